#pragma once

#include "Clipboard.h"
#include "DriveList.h"
#include "FileList.h"
#include "FolderList.h"
#include "TextField.h"

namespace tavrosk {

// The window's whole state, as the commands see it. Every value lives in its
// control; the commands read it at the moment of use and write straight back.
struct FormState {
    TextField& text1;  // the song list being built
    TextField& text2;  // one more extension to strip, typed without its dot
    FileList& file1;
    FolderList& dir1;
    DriveList& drive1;
    Clipboard& clipboard;
};

} // namespace tavrosk

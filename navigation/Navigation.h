#pragma once

#include "model/FormState.h"

namespace tavrosk {

// The chain runs one way only: drive to folder to files.

// Moves the folder list onto the drive just picked. The folder list's own
// change notification then runs OnFolderChange.
void OnDriveChange(FormState& state);

// Lists the files of the folder now open in the folder list.
void OnFolderChange(FormState& state);

} // namespace tavrosk

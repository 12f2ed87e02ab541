#include "app/win32/MakeTopmost.h"

namespace tavrosk::win32 {

void MakeTopmost(HWND window) {
    // Nothing to tell the user if it fails: the window simply stays where it is.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace tavrosk::win32

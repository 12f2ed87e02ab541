#pragma once

#include <windows.h>

namespace tavrosk::win32 {

// Puts the window above all windows that are not topmost, and keeps it there,
// without moving or resizing it.
void MakeTopmost(HWND window);

} // namespace tavrosk::win32

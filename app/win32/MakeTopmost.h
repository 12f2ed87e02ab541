#pragma once

#include <windows.h>

namespace tavrosk {

// Puts the window above all windows that are not topmost, and keeps it there,
// without moving or resizing it.
void makeTopmost(HWND window);

} // namespace tavrosk

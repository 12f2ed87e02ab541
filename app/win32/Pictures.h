#pragma once

#include <windows.h>

namespace tavrosk::win32 {

// The window's pictures, drawn with GDI from the same shapes as the SVG
// pictures of the Qt window, sharp at any scale.
enum class Picture {
    Clipboard,     // 32 × 32, on Command4
    Spreadsheet,   // 32 × 32, on Command7
    Still,         // 48 × 40, in Picture1
    OpenFolder,    // 16 × 16, Dir1's open folders
    ClosedFolder,  // 16 × 16, Dir1's subfolders
};

// The picture's size in pixels at 96 dots per inch.
SIZE PictureSize(Picture picture);

// Draws it with its top-left corner at (x, y), scaled by scale.
void DrawPicture(HDC dc, Picture picture, int x, int y, double scale);

} // namespace tavrosk::win32

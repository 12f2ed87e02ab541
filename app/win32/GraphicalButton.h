#pragma once

#include "app/ControlTable.h"
#include "app/win32/Pictures.h"

#include <windows.h>

#include <optional>

namespace tavrosk::win32 {

// Draws an owner-drawn button as a graphical button: a flat face in its own
// colour with a raised (pressed: sunken) edge, its picture, if any, centred
// above its caption, the caption centred and wrapped, and the focus frame.
void DrawGraphicalButton(const DRAWITEMSTRUCT& item, controls::Rgb colour, std::optional<Picture> picture,
                         double scale);

} // namespace tavrosk::win32

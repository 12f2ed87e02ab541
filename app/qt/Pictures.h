#pragma once

#include "app/ControlTable.h"

#include <QIcon>
#include <QPixmap>

namespace tavrosk::qt {

// The tool's own pictures, drawn from the SVG resources at the size the
// window shows them, sharp on screens of any pixel ratio.
QIcon ApplicationIcon();
// A control's picture; none for Picture::None.
QPixmap ControlPicture(controls::Picture picture, qreal pixelRatio);

} // namespace tavrosk::qt

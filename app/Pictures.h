#pragma once

#include <QIcon>
#include <QPixmap>

namespace tavrosk {

// The tool's own pictures, drawn from the SVG resources at the size the
// window shows them, sharp on screens of any pixel ratio.
QIcon ApplicationIcon();
QPixmap ClipboardPicture(qreal pixelRatio);    // 32 × 32, on Command4
QPixmap SpreadsheetPicture(qreal pixelRatio);  // 32 × 32, on Command7
QPixmap StillPicture(qreal pixelRatio);        // 48 × 40, in Picture1

} // namespace tavrosk

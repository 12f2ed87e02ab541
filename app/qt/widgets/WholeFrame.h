#pragma once

class QAbstractScrollArea;

namespace tavrosk::qt {

// Fusion draws a scrolled field's frame as a line half a pixel inside its
// edge. At a fractional scale (1.5 times, 144 dpi) its right and bottom sides
// land a device pixel in, under the scroll bar and the text, and the field
// looks cut off. A field Fusion draws gets a frame filled side by side
// instead, whole at any scale; other styles keep their own.
void KeepFrameWhole(QAbstractScrollArea& area);

} // namespace tavrosk::qt

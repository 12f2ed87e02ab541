#pragma once

#include "model/FormState.h"

#include <string_view>

namespace tavrosk {

// The line without the track number it starts with ("01 ", "01. ", "01 - ",
// "01_", "1-05 ", "(01) ", "０１．"), or the line as it is. A number is one or
// two digits, or three starting with 0 (ASCII or full-width), or a disc and
// a track number joined by "-", followed by a separator and then the title.
// Kept as they are: a line that is only a number ("1999"), a number joined
// to the title ("2001年宇宙の旅", "19才", "3.14"), other numbers of three
// digits or more ("101 Dalmatians"), and one digit with no leading zero
// before a space ("7 Rings"): rippers write single digits as "01".
std::u16string_view WithoutTrackNumber(std::u16string_view line);

// Takes the track number off the start of each line of Text1, in one write;
// the line breaks and everything else stay as they are.
void RemoveTrackNumbers(FormState& state);

} // namespace tavrosk

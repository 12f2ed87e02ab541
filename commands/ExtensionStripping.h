#pragma once

#include "model/FormState.h"

#include <array>
#include <string>
#include <string_view>

namespace tavrosk {

// The extensions always removed, in the order they are applied. Only these
// exact forms: lower and upper case, no mixed case.
inline constexpr std::array<std::u16string_view, 8> kFixedExtensions = {
    u".wav", u".WAV", u".wma", u".WMA", u".mp3", u".MP3", u".mid", u".MID",
};

// Removes every non-overlapping occurrence of pattern from text, in place,
// scanning left to right; text joined by a removal is not examined again.
// Exact, case-sensitive comparison. An empty pattern removes nothing.
void RemoveAll(std::u16string& text, std::u16string_view pattern);

// Removes the fixed extensions from the whole list, then "." + the text of
// Text2 when Text2 is not empty. Text2 itself is not changed.
void StripExtensions(FormState& state);

} // namespace tavrosk

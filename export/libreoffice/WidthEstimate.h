#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavrosk::libreoffice {

// A rough width of a line of text in a proportional sans-serif font, in
// thousandths of the font size: the usual widths of the ASCII letters, a
// full em for East Asian wide characters, nothing for combining marks.
long estimatedWidth(std::u16string_view line);

// The indexes of the `count` lines with the largest estimated width (all
// of them when there are fewer), widest first.
std::vector<std::size_t> likelyWidest(const std::vector<std::u16string_view>& lines, std::size_t count);

} // namespace tavrosk::libreoffice

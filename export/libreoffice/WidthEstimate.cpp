#include "export/libreoffice/WidthEstimate.h"

#include <algorithm>
#include <numeric>

namespace tavrosk::libreoffice {

namespace {

// Advance widths of ASCII 0x20..0x7E in a Helvetica-like font (Liberation
// Sans, Arial), in thousandths of an em.
constexpr short kAsciiWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  //  !"#$%&'()*+,-./
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0-9 :;<=>?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @A-O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P-Z [\]^_
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // `a-o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p-z {|}~
};

long charWidth(char16_t c) {
    if (c >= 0x20 && c <= 0x7E)
        return kAsciiWidths[c - 0x20];
    if ((c >= 0x0300 && c <= 0x036F) || (c >= 0xDC00 && c <= 0xDFFF))
        return 0;  // combining mark; second half of a surrogate pair
    if (c >= 0xFF61 && c <= 0xFF9F)
        return 500;  // half-width katakana
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xD800 && c <= 0xDBFF) ||
                      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
                      (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6);
    return wide ? 1000 : 600;
}

} // namespace

long estimatedWidth(std::u16string_view line) {
    long width = 0;
    for (const char16_t c : line)
        width += charWidth(c);
    return width;
}

std::vector<std::size_t> likelyWidest(const std::vector<std::u16string_view>& lines, std::size_t count) {
    std::vector<long> widths(lines.size());
    std::transform(lines.begin(), lines.end(), widths.begin(), estimatedWidth);
    std::vector<std::size_t> indexes(lines.size());
    std::iota(indexes.begin(), indexes.end(), std::size_t{0});
    count = std::min(count, indexes.size());
    std::partial_sort(indexes.begin(), indexes.begin() + static_cast<std::ptrdiff_t>(count), indexes.end(),
                      [&](std::size_t a, std::size_t b) { return widths[a] > widths[b]; });
    indexes.resize(count);
    return indexes;
}

} // namespace tavrosk::libreoffice

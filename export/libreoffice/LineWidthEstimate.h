#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tavrosk::libreoffice {

// A font of a cell: its family name as the office reports it, and its size.
struct CellFont {
    std::string family;
    double points = 0;
};

// Estimates how wide a cell lays a line out, in points, by summing the
// glyph advances of its characters: each character in the cell's font for
// its script, or in the first face fontconfig falls back to that has it.
// Kerning and shaping are left out, which makes it close enough to rank
// lines but not to size a column. Uses FreeType on a library of its own, so
// it is safe on any thread; advances are cached.
class LineWidthEstimate {
public:
    LineWidthEstimate(const CellFont& latin, const CellFont& asian, const CellFont& complex);
    ~LineWidthEstimate();
    LineWidthEstimate(const LineWidthEstimate&) = delete;
    LineWidthEstimate& operator=(const LineWidthEstimate&) = delete;

    double operator()(std::u16string_view line);

private:
    class Fonts;
    std::unique_ptr<Fonts> fonts_;
    std::array<double, 3> points_;
};

} // namespace tavrosk::libreoffice

#include "export/libreoffice/ExactColumnFit.h"

#include "export/libreoffice/LineWidthEstimate.h"
#include "export/libreoffice/SheetColumns.h"
#include "export/libreoffice/UnoErrors.h"
#include "export/libreoffice/WidestLineCandidates.h"

#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XSheetOperation.hpp>

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace {

// The cell's font for one script, by the names of its properties.
CellFont FontOf(const Reference<css::beans::XPropertySet>& cell, const char* name, const char* height) {
    return {ToUtf8(cell->getPropertyValue(OUString::createFromAscii(name)).get<OUString>()),
            cell->getPropertyValue(OUString::createFromAscii(height)).get<float>()};
}

std::vector<std::size_t> CandidatesFor(const Reference<css::sheet::XSpreadsheet>& sheet,
                                       const std::vector<std::u16string_view>& lines) {
    const Reference<css::beans::XPropertySet> a1(sheet->getCellByPosition(0, 0), UNO_QUERY_THROW);
    LineWidthEstimate estimate(FontOf(a1, "CharFontName", "CharHeight"),
                               FontOf(a1, "CharFontNameAsian", "CharHeightAsian"),
                               FontOf(a1, "CharFontNameComplex", "CharHeightComplex"));
    std::vector<double> estimates;
    estimates.reserve(lines.size());
    for (const std::u16string_view line : lines)
        estimates.push_back(estimate(line));
    return WidestLineCandidates(estimates);
}

// Calc's own fit of the lines, in column B from B1; the column is left as
// it was found: empty, at its width.
Any SpareColumnFit(const Reference<css::sheet::XSpreadsheet>& sheet, const std::vector<std::u16string_view>& lines) {
    constexpr sal_Int32 kColumnB = 1;
    const auto spare = SheetColumn(sheet, kColumnB);
    const Any width = spare->getPropertyValue("Width");
    WriteLines(sheet, kColumnB, lines);
    spare->setPropertyValue("OptimalWidth", Any(true));
    const Any fitted = spare->getPropertyValue("Width");
    const Reference<css::sheet::XSheetOperation> cells(
        sheet->getCellRangeByPosition(kColumnB, 0, kColumnB, static_cast<sal_Int32>(lines.size()) - 1),
        UNO_QUERY_THROW);
    cells->clearContents(css::sheet::CellFlags::STRING);
    spare->setPropertyValue("Width", width);
    return fitted;
}

} // namespace

void FitColumnA(const Reference<css::sheet::XSpreadsheet>& sheet, const std::vector<std::u16string_view>& lines) {
    const auto candidates = CandidatesFor(sheet, lines);
    if (candidates.size() == lines.size()) {
        SheetColumn(sheet, kColumnA)->setPropertyValue("OptimalWidth", Any(true));
        return;
    }
    std::vector<std::u16string_view> widest;
    widest.reserve(candidates.size());
    for (const std::size_t index : candidates)
        widest.push_back(lines[index]);
    SheetColumn(sheet, kColumnA)->setPropertyValue("Width", SpareColumnFit(sheet, widest));
}

} // namespace tavrosk::libreoffice

#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

#include <string_view>
#include <vector>

namespace tavrosk::libreoffice {

inline constexpr sal_Int32 kColumnA = 0;

// A column of the sheet (0 is A), for its properties (Width, NumberFormat, ...).
css::uno::Reference<css::beans::XPropertySet> SheetColumn(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet,
                                                          sal_Int32 column);

// Writes the lines into the column from its first row as strings, in one
// call. Strings stay text there: "0012", "1E5" or "=SUM(A1)" become neither
// numbers nor formulas. Throws OperationFailed when the sheet has too few
// rows.
void WriteLines(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet, sal_Int32 column,
                const std::vector<std::u16string_view>& lines);

} // namespace tavrosk::libreoffice

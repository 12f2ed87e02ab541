#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

#include <string_view>
#include <vector>

namespace tavrosk::libreoffice {

// Column A of the sheet, for its properties (Width, NumberFormat, ...).
css::uno::Reference<css::beans::XPropertySet> ColumnA(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet);

// Writes the lines into column A from A1 as strings, in one call. Strings
// stay text there: "0012", "1E5" or "=SUM(A1)" become neither numbers nor
// formulas. Throws OperationFailed when the sheet has too few rows.
void WriteColumnA(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet,
                  const std::vector<std::u16string_view>& lines);

} // namespace tavrosk::libreoffice

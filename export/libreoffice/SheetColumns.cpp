#include "export/libreoffice/SheetColumns.h"

#include "export/libreoffice/UnoErrors.h"
#include "model/OperationFailed.h"

#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY_THROW;

Reference<css::beans::XPropertySet> SheetColumn(const Reference<css::sheet::XSpreadsheet>& sheet, sal_Int32 column) {
    const Reference<css::table::XColumnRowRange> range(sheet, UNO_QUERY_THROW);
    return Reference<css::beans::XPropertySet>(range->getColumns()->getByIndex(column), UNO_QUERY_THROW);
}

void WriteLines(const Reference<css::sheet::XSpreadsheet>& sheet, sal_Int32 column,
                const std::vector<std::u16string_view>& lines) {
    if (lines.empty())
        return;
    const Reference<css::sheet::XCellRangeAddressable> whole(sheet, UNO_QUERY_THROW);
    const std::size_t sheetRows = static_cast<std::size_t>(whole->getRangeAddress().EndRow) + 1;
    if (lines.size() > sheetRows) {
        throw OperationFailed(u"クリップボードの " + FromUtf8(std::to_string(lines.size())) +
                                  u" 行はシートの行数（" + FromUtf8(std::to_string(sheetRows)) +
                                  u" 行）を超えるため、LibreOffice Calc に貼り付けできませんでした。",
                              "too many lines: " + std::to_string(lines.size()));
    }

    Sequence<Sequence<Any>> rows(static_cast<sal_Int32>(lines.size()));
    Sequence<Any>* row = rows.getArray();
    for (const std::u16string_view line : lines) {
        const Any cell(ToOUString(line));
        *row++ = Sequence<Any>(&cell, 1);
    }
    const Reference<css::sheet::XCellRangeData> target(
        sheet->getCellRangeByPosition(column, 0, column, static_cast<sal_Int32>(lines.size()) - 1), UNO_QUERY_THROW);
    target->setDataArray(rows);
}

} // namespace tavrosk::libreoffice

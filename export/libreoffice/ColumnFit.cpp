#include "export/libreoffice/ColumnFit.h"

#include "export/libreoffice/ColumnA.h"
#include "export/libreoffice/TextLines.h"
#include "export/libreoffice/WidthEstimate.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>

namespace tavrosk::libreoffice {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace {

// Up to this many lines Calc measures them all (a tenth of a second).
constexpr std::size_t kMeasureAllUpTo = 1000;
// The lines measured of a longer list.
constexpr std::size_t kMeasured = 200;

sal_Int32 optimalWidth(const Reference<css::sheet::XSpreadsheet>& sheet) {
    const auto column = columnA(sheet);
    column->setPropertyValue("OptimalWidth", Any(true));
    sal_Int32 width = 0;
    column->getPropertyValue("Width") >>= width;
    return width;
}

// Closes the scratch document however the measuring ends.
struct ClosedAtEnd {
    Reference<css::util::XCloseable> document;
    ~ClosedAtEnd() {
        try {
            document->close(true);
        } catch (...) {
        }
    }
};

sal_Int32 widthOfWidest(const Reference<css::uno::XComponentContext>& office,
                        const std::vector<std::u16string_view>& lines) {
    std::vector<std::u16string_view> widest;
    for (const std::size_t index : likelyWidest(lines, kMeasured))
        widest.push_back(lines[index]);

    css::beans::PropertyValue hidden;
    hidden.Name = "Hidden";
    hidden.Value <<= true;
    const Reference<css::sheet::XSpreadsheetDocument> scratch(
        css::frame::Desktop::create(office)->loadComponentFromURL(
            "private:factory/scalc", "_blank", 0, css::uno::Sequence<css::beans::PropertyValue>(&hidden, 1)),
        UNO_QUERY_THROW);
    const ClosedAtEnd closed{Reference<css::util::XCloseable>(scratch, UNO_QUERY_THROW)};
    const Reference<css::sheet::XSpreadsheet> sheet(
        Reference<css::container::XIndexAccess>(scratch->getSheets(), UNO_QUERY_THROW)->getByIndex(0),
        UNO_QUERY_THROW);
    writeColumnA(sheet, widest);
    return optimalWidth(sheet);
}

} // namespace

void fitColumnA(const Reference<css::uno::XComponentContext>& office,
                const Reference<css::sheet::XSpreadsheet>& sheet, const OUString& text) {
    const auto lines = splitLines(view(text));
    if (lines.size() <= kMeasureAllUpTo) {
        optimalWidth(sheet);
        return;
    }
    columnA(sheet)->setPropertyValue("Width", Any(widthOfWidest(office, lines)));
}

} // namespace tavrosk::libreoffice

#include "tests/libreoffice/TestOffice.h"

#include "export/libreoffice/ColumnA.h"
#include "export/libreoffice/RowHeightsHeld.h"

#include <com/sun/star/sheet/XSpreadsheets.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrosk::test {
namespace {

using css::uno::Any;

sal_Int32 widthOfColumnA(const Reference<XSpreadsheet>& sheet) {
    sal_Int32 width = 0;
    libreoffice::columnA(sheet)->getPropertyValue("Width") >>= width;
    return width;
}

// Over a thousand lines, the widest made of a letter ("Ŵ") that a width table
// of Latin text rates low, behind hundreds of lines of digits it rates high.
TEST(CalcColumnFit, ColumnAOfALongListFitsItsWidestLine) {
    std::vector<std::u16string> lines;
    std::string text;
    for (int i = 0; i < 1200; ++i) {
        lines.push_back(i == 901 ? std::u16string(20, u'Ŵ') : i % 4 == 0 ? std::u16string(25, u'0') : u"曲 x");
        text += libreoffice::toUtf8(libreoffice::toOUString(lines.back())) + "\n";
    }
    XClipboard clipboard(text);
    const auto before = sharedOffice().documents();
    libreoffice::CalcServer server(sharedOffice().options());
    runExport(server, true);
    const auto after = sharedOffice().documents();
    ASSERT_EQ(after.size(), before.size() + 1);
    const auto document = *std::find_if(after.begin(), after.end(), [&](const auto& d) {
        return std::find(before.begin(), before.end(), d) == before.end();
    });

    // Calc's own fit of the same lines, on a sheet of the test's own.
    document->getSheets()->insertNewByName("reference", 0);
    const auto reference = sheet(document, u"reference");
    {
        libreoffice::RowHeightsHeld held(document);
        libreoffice::writeColumnA(reference, std::vector<std::u16string_view>(lines.begin(), lines.end()));
    }
    libreoffice::columnA(reference)->setPropertyValue("OptimalWidth", Any(true));
    EXPECT_EQ(widthOfColumnA(sheet(document, u"タヴロスク")), widthOfColumnA(reference));
}

} // namespace
} // namespace tavrosk::test

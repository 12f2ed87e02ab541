#include "tests/libreoffice/TestOffice.h"

#include "export/libreoffice/ColumnA.h"
#include "export/libreoffice/RowHeightsHeld.h"

#include <com/sun/star/sheet/XSpreadsheets.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrosk::test {
namespace {

using css::uno::Any;

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
    auto opened = sharedOffice().documents();
    std::erase_if(opened, [&](const auto& d) { return std::find(before.begin(), before.end(), d) != before.end(); });
    ASSERT_EQ(opened.size(), 1u);
    const auto document = opened[0];

    // Calc's own fit of the same lines, on a sheet of the test's own.
    document->getSheets()->insertNewByName("reference", 0);
    const auto reference = sheet(document, u"reference");
    {
        libreoffice::RowHeightsHeld held(document);
        libreoffice::writeColumnA(reference, std::vector<std::u16string_view>(lines.begin(), lines.end()));
    }
    libreoffice::columnA(reference)->setPropertyValue("OptimalWidth", Any(true));
    const auto width = [](const Reference<XSpreadsheet>& of) {
        sal_Int32 value = 0;
        libreoffice::columnA(of)->getPropertyValue("Width") >>= value;
        return value;
    };
    EXPECT_EQ(width(sheet(document, u"タヴロスク")), width(reference));
}

} // namespace
} // namespace tavrosk::test

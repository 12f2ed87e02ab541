#include "tests/libreoffice/TestOffice.h"

#include "export/libreoffice/ColumnA.h"
#include "export/libreoffice/RowHeightsHeld.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XCellRangesQuery.hpp>
#include <com/sun/star/sheet/XSheetCellRanges.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace tavrosk::test {
namespace {

using css::uno::Any;
using css::uno::UNO_QUERY_THROW;
using libreoffice::toU16;
using Lines = std::vector<std::u16string>;

std::string clipboardText(const Lines& lines) {
    std::u16string text;
    for (const auto& line : lines)
        text += line + u"\n";
    return libreoffice::toUtf8(libreoffice::toOUString(text));
}

Reference<css::beans::XPropertySet> column(const Reference<XSpreadsheet>& sheet, sal_Int32 index) {
    return {Reference<css::table::XColumnRowRange>(sheet, UNO_QUERY_THROW)->getColumns()->getByIndex(index),
            UNO_QUERY_THROW};
}

sal_Int32 width(const Reference<XSpreadsheet>& sheet, sal_Int32 index) {
    sal_Int32 value = 0;
    column(sheet, index)->getPropertyValue("Width") >>= value;
    return value;
}

std::u16string text(const Reference<XSpreadsheet>& sheet, sal_Int32 row) {
    return toU16(Reference<css::text::XTextRange>(sheet->getCellByPosition(0, row), UNO_QUERY_THROW)->getString());
}

// How many cells of column A hold anything.
sal_Int32 filledCellsInColumnA(const Reference<XSpreadsheet>& sheet) {
    namespace flags = css::sheet::CellFlags;
    const Reference<css::sheet::XCellRangesQuery> columnA(sheet->getCellRangeByName("A:A"), UNO_QUERY_THROW);
    sal_Int32 cells = 0;
    for (const auto& range :
         columnA->queryContentCells(flags::VALUE | flags::DATETIME | flags::STRING | flags::FORMULA)
             ->getRangeAddresses())
        cells += range.EndRow - range.StartRow + 1;
    return cells;
}

// Column A holds exactly the lines, row for row, as text cells.
void expectColumnA(const Reference<XSpreadsheet>& sheet, const Lines& lines) {
    sal_Int32 filled = 0;
    for (sal_Int32 row = 0; row < static_cast<sal_Int32>(lines.size()); ++row) {
        const auto& line = lines[static_cast<std::size_t>(row)];
        filled += !line.empty();
        const auto expected = line.empty() ? css::table::CellContentType_EMPTY : css::table::CellContentType_TEXT;
        EXPECT_EQ(sheet->getCellByPosition(0, row)->getType(), expected) << "row " << row;
        EXPECT_TRUE(text(sheet, row) == line) << "row " << row;
    }
    EXPECT_EQ(filledCellsInColumnA(sheet), filled);
}

// Runs an export on the shared office and returns the document it opened,
// checking that it opened just that one, with the named sheet first.
Reference<XSpreadsheetDocument> exportToNewDocument(bool paste, double* seconds = nullptr) {
    const auto before = sharedOffice().documents();
    const auto started = std::chrono::steady_clock::now();
    libreoffice::CalcServer server(sharedOffice().options());
    runExport(server, paste);
    if (seconds)
        *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const auto after = sharedOffice().documents();
    EXPECT_EQ(after.size(), before.size() + 1);
    for (const auto& document : after) {
        if (std::find(before.begin(), before.end(), document) == before.end()) {
            EXPECT_TRUE(toU16(document->getSheets()->getElementNames()[0]) == u"タヴロスク");
            EXPECT_EQ(document->getSheets()->getElementNames().getLength(), 2);
            return document;
        }
    }
    ADD_FAILURE() << "no new document";
    return {};
}

TEST(CalcExport, PastesTheClipboardLinesIntoColumnAAsText) {
    const Lines names = {u"01 夜明けのうた.flac", u"0012", u"3-4", u"1E5", u"=SUM(A1)", u"+81", u"-x", u"@x",
                         u"", u"  前後に空白  ", u"12:30", u"TRUE", u"1/2"};
    XClipboard clipboard(clipboardText(names));
    const bool cold = !sharedOffice().running();
    double seconds = 0;
    const auto document = exportToNewDocument(true, &seconds);
    std::printf("export of %zu lines (%s): %.3f s\n", names.size(), cold ? "office started by it" : "office running",
                seconds);
    ASSERT_TRUE(document.is());
    const auto tavrosk = sheet(document, u"タヴロスク");
    expectColumnA(tavrosk, names);
    EXPECT_GT(width(tavrosk, 0), width(tavrosk, 1));

    // Later input in column A stays text too.
    sal_Int32 key = -1;
    column(tavrosk, 0)->getPropertyValue("NumberFormat") >>= key;
    OUString format;
    Reference<css::util::XNumberFormatsSupplier>(document, UNO_QUERY_THROW)
            ->getNumberFormats()->getByKey(key)->getPropertyValue("FormatString") >>= format;
    EXPECT_TRUE(format == "@");
}

TEST(CalcExport, WithoutPasteNamesTheSheetAndLeavesColumnAEmpty) {
    const auto document = exportToNewDocument(false);
    ASSERT_TRUE(document.is());
    EXPECT_EQ(filledCellsInColumnA(sheet(document, u"タヴロスク")), 0);
}

TEST(CalcExport, ASecondExportOpensASecondDocumentAndLeavesTheFirstAlone) {
    const Lines first = {u"一曲目.mp3", u"0001"};
    const Lines second = {u"二曲目.mp3", u"0002", u"三曲目.mp3"};
    auto clipboard = std::make_unique<XClipboard>(clipboardText(first));
    const auto firstDocument = exportToNewDocument(true);
    clipboard = std::make_unique<XClipboard>(clipboardText(second));
    const auto secondDocument = exportToNewDocument(true);
    ASSERT_TRUE(firstDocument.is() && secondDocument.is());
    expectColumnA(sheet(secondDocument, u"タヴロスク"), second);
    expectColumnA(sheet(firstDocument, u"タヴロスク"), first);
    EXPECT_EQ(firstDocument->getSheets()->getElementNames().getLength(), 2);
}

// The widest line is in the middle, and hundreds of lines have more
// characters than it.
Lines longList() {
    Lines lines;
    for (int i = 0; i < 32767; ++i) {
        const std::u16string number = toU16(OUString::number(i));
        if (i == 20000)
            lines.push_back(u"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW " + number);
        else if (i % 100 == 0)
            lines.push_back(u"iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii " + number);
        else
            lines.push_back(u"曲 " + number + u" - アーティスト名.flac");
    }
    return lines;
}

// The width Calc's own fit gives column A of a new sheet holding the lines.
sal_Int32 exactFitWidth(const Reference<XSpreadsheetDocument>& document, const Lines& lines) {
    document->getSheets()->insertNewByName("exact", 0);
    const auto exact = sheet(document, u"exact");
    {
        libreoffice::RowHeightsHeld held(document);
        libreoffice::writeColumnA(exact, std::vector<std::u16string_view>(lines.begin(), lines.end()));
    }
    column(exact, 0)->setPropertyValue("OptimalWidth", Any(true));
    return width(exact, 0);
}

TEST(CalcExport, LongListWithTheOfficeRunning) {
    const auto lines = longList();
    XClipboard clipboard(clipboardText(lines));
    exportToNewDocument(false);  // the office is up and warm
    double seconds = 0;
    const auto document = exportToNewDocument(true, &seconds);
    std::printf("export of %zu lines, office running: %.3f s\n", lines.size(), seconds);
    ASSERT_TRUE(document.is());
    const auto tavrosk = sheet(document, u"タヴロスク");
    EXPECT_EQ(filledCellsInColumnA(tavrosk), static_cast<sal_Int32>(lines.size()));
    for (const sal_Int32 row : {0, 20000, 32766})
        EXPECT_TRUE(text(tavrosk, row) == lines[static_cast<std::size_t>(row)]) << "row " << row;
    EXPECT_EQ(width(tavrosk, 0), exactFitWidth(document, lines));
}

} // namespace
} // namespace tavrosk::test

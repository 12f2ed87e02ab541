// The export as a user runs it: the real window's "To  Excel" runs the real
// ExportToSpreadsheet against LibreOffice Calc, started with a profile of the
// test's own, while the window owns the clipboard and keeps serving it.

#include "tests/ClipboardElsewhere.h"
#include "tests/Fakes.h"
#include "tests/libreoffice/TestOffice.h"

#include "app/qt/Form1.h"
#include "app/qt/platform/WorkerLongCall.h"
#include "export/libreoffice/UnoRuntime.h"

#include <QPushButton>
#include <QTest>

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

#include <gtest/gtest.h>

namespace tavrosk::test {

using namespace tavrosk::qt;
namespace {

using Lines = std::vector<std::u16string>;

// Runs the calls on a worker as the tool does, and can do something of the
// user's between the export's first and second call into the office.
struct InterruptibleCall final : LongCall {
    void run(const std::function<void()>& call) override {
        worker.run(call);
        if (++runs == 1 && between)
            between();
    }
    WorkerLongCall worker;
    int runs = 0;
    std::function<void()> between;
};

Reference<css::beans::XPropertySet> columnAProperties(const Reference<XSpreadsheet>& sheet) {
    return {Reference<css::table::XColumnRowRange>(sheet, UNO_QUERY_THROW)->getColumns()->getByIndex(0),
            UNO_QUERY_THROW};
}
sal_Int32 columnAWidth(const Reference<XSpreadsheet>& sheet) {
    return columnAProperties(sheet)->getPropertyValue("Width").get<sal_Int32>();
}

// The cells of column A from the top, `rows` of them.
Reference<css::sheet::XCellRangeData> columnACells(const Reference<XSpreadsheet>& sheet, size_t rows) {
    return {sheet->getCellRangeByPosition(0, 0, 0, static_cast<sal_Int32>(rows) - 1), UNO_QUERY_THROW};
}

class OfficeExport : public ::testing::Test {
protected:
    // One office for all the tests, ended while the UNO runtime is still whole.
    static void SetUpTestSuite() { office = std::make_unique<TestOffice>(); }
    static void TearDownTestSuite() { office.reset(); }
    static inline std::unique_ptr<TestOffice> office;

    // Runs "To  Excel" on the list in a new window; the list is on the
    // clipboard afterwards, and the window's fields are empty.
    void exportList(const Lines& lines) {
        std::u16string list;
        for (const auto& line : lines)
            list += line + u"\r\n";
        call.runs = 0;
        Form1 form(report, server, call);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.state().text1.setText(list);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
        EXPECT_EQ(form.state().text1.text(), u"");
        EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    }

    // The sheet "タヴロスク" of the one document opened since `before`.
    Reference<XSpreadsheet> newSheet(const std::vector<Reference<XSpreadsheetDocument>>& before) {
        const auto after = office->documents();
        EXPECT_EQ(after.size(), before.size() + 1);
        for (const auto& document : after)
            if (std::find(before.begin(), before.end(), document) == before.end())
                return sheet(document, u"タヴロスク");
        return {};
    }

    // Column A holds the lines, as text, and nothing below them; a number, a
    // date, or a formula's numeric or error result reads as "(not text)".
    static void expectColumnA(const Reference<XSpreadsheet>& sheet, Lines lines) {
        ASSERT_TRUE(sheet.is());
        lines.push_back(u"");
        Lines cells;
        for (const auto& row : columnACells(sheet, lines.size())->getDataArray()) {
            OUString text;
            cells.push_back((row[0] >>= text) ? libreoffice::ToU16(text) : u"(not text)");
        }
        EXPECT_EQ(cells, lines);
    }

    RecordingReport report;
    InterruptibleCall call;
    libreoffice::CalcServer server{office->options()};
};

// Lines that Calc would take for numbers, dates or formulas, then over a
// thousand more: the widest made of a letter ("Ŵ") that a width table of
// Latin text rates low, behind hundreds of lines of digits it rates high.
TEST_F(OfficeExport, TheListArrivesAsTextInAFittedColumnOfTheActiveSheetOfANewVisibleDocument) {
    Lines lines = {u"01 夜明けの歌", u"0012", u"3-4", u"1E5", u"=SUM(A1)", u"+81", u"-x", u"@x", u"",
                   u"  前後に空白  ", u"12:30", u"TRUE"};
    for (int i = 0; i < 1200; ++i)
        lines.push_back(i == 901 ? std::u16string(20, u'Ŵ') : i % 4 == 0 ? std::u16string(25, u'0') : u"曲 x");
    exportList(lines);
    ASSERT_TRUE(report.messages.empty());
    const auto documents = office->documents();
    ASSERT_EQ(documents.size(), 1u);
    const auto tavrosk = sheet(documents[0], u"タヴロスク");
    expectColumnA(tavrosk, lines);
    // What the user types into column A later stays text too.
    OUString format;
    const auto key = columnAProperties(tavrosk)->getPropertyValue("NumberFormat").get<sal_Int32>();
    Reference<css::util::XNumberFormatsSupplier>(documents[0], UNO_QUERY_THROW)
            ->getNumberFormats()->getByKey(key)->getPropertyValue("FormatString") >>= format;
    EXPECT_EQ(libreoffice::ToU16(format), u"@");

    // Shown, in front, and on the new sheet.
    const Reference<css::frame::XController> controller =
        Reference<css::frame::XModel>(documents[0], UNO_QUERY_THROW)->getCurrentController();
    const Reference<css::awt::XWindow2> window(controller->getFrame()->getContainerWindow(), UNO_QUERY_THROW);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(controller->getFrame()->isActive());
    EXPECT_EQ(libreoffice::ToU16(Reference<css::container::XNamed>(
                  Reference<css::sheet::XSpreadsheetView>(controller, UNO_QUERY_THROW)->getActiveSheet(),
                  UNO_QUERY_THROW)->getName()),
              u"タヴロスク");

    // Column A is as wide as Calc's own fit of the same cells on a sheet of
    // the test's own.
    documents[0]->getSheets()->insertNewByName("reference", 0);
    const auto reference = sheet(documents[0], u"reference");
    columnACells(reference, lines.size())->setDataArray(columnACells(tavrosk, lines.size())->getDataArray());
    columnAProperties(reference)->setPropertyValue("OptimalWidth", css::uno::Any(true));
    EXPECT_EQ(columnAWidth(tavrosk), columnAWidth(reference));

    // A second export opens a second document and leaves the first alone.
    const Lines second = {u"二曲目", u"0002"};
    exportList(second);
    expectColumnA(newSheet(documents), second);
    expectColumnA(tavrosk, lines);
    office->closeDocuments();
}

TEST_F(OfficeExport, AnExportCutShortIsReportedAndTheListStaysOnTheClipboard) {
    const struct {
        const char* what;
        std::function<void()> cut;
        const char16_t* said;
        Lines next;
    } cases[] = {
        {"the user closes the new document", [] { office->closeDocuments(); }, u"LibreOffice Calc ", {}},
        {"the office ends", [] { office->terminate(); }, u"接続が切れた", {u"next"}},
    };
    for (const auto& c : cases) {
        call.between = c.cut;
        exportList({u"keep me"});
        ASSERT_EQ(report.messages.size(), 1u) << c.what;
        EXPECT_NE(report.messages[0].find(c.said), std::u16string::npos) << c.what;
        report.messages.clear();
        // The tool goes on: the next export works, of an empty list too.
        call.between = nullptr;
        exportList(c.next);
        EXPECT_TRUE(report.messages.empty()) << c.what;
        expectColumnA(newSheet({}), c.next);
        office->closeDocuments();
    }
}

} // namespace
} // namespace tavrosk::test

// The export as a user runs it: the real window's "To  Excel" runs the real
// ExportToSpreadsheet against LibreOffice Calc, started with a profile of the
// test's own, while the window owns the clipboard and keeps serving it.

#include "tests/ClipboardElsewhere.h"
#include "tests/Fakes.h"
#include "tests/libreoffice/TestOffice.h"

#include "app/qt/Form1.h"
#include "app/qt/platform/WorkerLongCall.h"

#include <QAbstractNativeEventFilter>
#include <QPushButton>
#include <QTest>

#include <xcb/xcb.h>

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangesQuery.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
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

class OfficeExport : public ::testing::Test, QAbstractNativeEventFilter {
protected:
    // Runs "To  Excel" on the list in a new window, with `cut` done between
    // the export's first and second call into the office; the list is on the
    // clipboard afterwards, and the window's fields are empty. Counts the
    // reads of the clipboard meanwhile: each, by the office or another
    // program, asks the window that owns it.
    void exportList(const Lines& lines, const std::function<void()>& cut = nullptr) {
        std::u16string list;
        for (const auto& line : lines)
            list += line + u"\r\n";
        call.runs = 0;
        call.between = cut;
        FakeTitleReader titles;
        StepsHere steps;
        Form1 form(report, server, call, titles, steps);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.state().text1.setText(list);
        reads = 0;
        QCoreApplication::instance()->installNativeEventFilter(this);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
        QCoreApplication::instance()->removeNativeEventFilter(this);
        EXPECT_EQ(form.state().text1.text(), u"");
        EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    }

    // Column A holds the lines, as text, and nothing below them; a number, a
    // date, or a formula's numeric or error result reads as "(not text)".
    static void expectColumnA(const Reference<XSpreadsheet>& sheet, Lines lines) {
        lines.push_back(u"");
        Lines cells;
        const Reference<css::sheet::XCellRangeData> cellsA(
            sheet->getCellRangeByPosition(0, 0, 0, static_cast<sal_Int32>(lines.size()) - 1), UNO_QUERY_THROW);
        for (const auto& row : cellsA->getDataArray()) {
            OUString text;
            cells.push_back((row[0] >>= text) ? libreoffice::ToU16(text) : u"(not text)");
        }
        EXPECT_EQ(cells, lines);
    }

    // What the user types into column A later stays text too. Column A is as
    // wide as Calc's own fit of the whole column; column B is empty and as
    // wide as column C, and stays so through every Undo.
    static void expectAFittedTextColumn(const Reference<XSpreadsheetDocument>& document,
                                        const Reference<XSpreadsheet>& tavrosk, std::size_t rows) {
        const auto columns = Reference<css::table::XColumnRowRange>(tavrosk, UNO_QUERY_THROW)->getColumns();
        const auto column = [&](sal_Int32 index) {
            return Reference<css::beans::XPropertySet>(columns->getByIndex(index), UNO_QUERY_THROW);
        };
        const auto width = [&](sal_Int32 index) { return column(index)->getPropertyValue("Width").get<sal_Int32>(); };
        const auto key = column(0)->getPropertyValue("NumberFormat").get<sal_Int32>();
        EXPECT_EQ(Reference<css::util::XNumberFormatsSupplier>(document, UNO_QUERY_THROW)
                      ->getNumberFormats()->getByKey(key)->getPropertyValue("FormatString").get<OUString>(), "@");
        const auto columnBCells = tavrosk->getCellRangeByPosition(1, 0, 1, static_cast<sal_Int32>(rows));
        const auto expectColumnBUntouched = [&](const char* when) {
            EXPECT_EQ(Reference<css::sheet::XCellRangesQuery>(columnBCells, UNO_QUERY_THROW)
                          ->queryContentCells(0x3FF)->getRangeAddresses().getLength(), 0) << when;
            EXPECT_EQ(width(1), width(2)) << when;
        };
        expectColumnBUntouched("after the export");
        const auto exported = width(0);
        column(0)->setPropertyValue("Width", css::uno::Any(sal_Int32(100)));
        column(0)->setPropertyValue("OptimalWidth", css::uno::Any(true));
        EXPECT_EQ(exported, width(0));
        const auto undo = Reference<css::document::XUndoManagerSupplier>(document, UNO_QUERY_THROW)->getUndoManager();
        while (undo->isUndoPossible()) {
            undo->undo();
            expectColumnBUntouched("after an undo");
        }
    }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        reads += (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7F) == XCB_SELECTION_REQUEST;
        return false;
    }

    int reads = 0;
    TestOffice office;  // ended while the UNO runtime is still whole
    RecordingReport report;
    InterruptibleCall call;
    libreoffice::CalcServer server{office.options()};
};

// Each export opens a new document, shown in front on its sheet "タヴロスク",
// whose column A holds the lines as text (the long list's also fitted and
// formatted as text), and leaves the earlier ones alone.
// One cut short is reported, and the tool goes on: the next export works, of
// an empty list too.
TEST_F(OfficeExport, EachListArrivesAsTextInTheActiveSheetOfANewVisibleDocumentOrIsReportedCutShort) {
    // Lines that Calc would take for numbers, dates or formulas, then over a
    // thousand more. The widest, of "Ŵ", is neither the longest (the 70 lines
    // of "l" are longer) nor one of a crowd of equal lines (of "0" or "曲 x").
    Lines longList = {u"01 夜明けの歌", u"0012", u"3-4", u"1E5", u"=SUM(A1)", u"+81", u"-x", u"@x", u"",
                      u"  前後に空白  ", u"12:30", u"TRUE"};
    for (int i = 0; i < 1200; ++i)
        longList.push_back(i == 900      ? std::u16string(30, u'Ŵ')
                           : i % 17 == 0 ? std::u16string(31 + i / 17, u'l')
                           : i % 4 == 0  ? std::u16string(25, u'0')
                                         : u"曲 x");
    const struct {
        Lines lines;
        std::function<void()> cut = nullptr;
        const char16_t* said = nullptr;
    } exports[] = {
        {longList},
        {{u"01 Francoise.mp3"}},
        {{u"01 Fran\uFFFDoise.mp3"}},  // a name no decoding fits
        {{u"keep me"}, [&] { office.closeDocuments(); }, u"LibreOffice Calc "},
        {{u"next"}},
        {{u"keep me"}, [&] { office.terminate(); }, u"接続が切れた"},
        {{}},
    };
    std::vector<int> readCounts;
    Reference<XSpreadsheet> first;
    for (const auto& e : exports) {
        SCOPED_TRACE(testing::Message() << "an export of " << e.lines.size() << " lines, " << (e.cut ? "cut" : "whole"));
        const auto before = office.documents();
        exportList(e.lines, e.cut);
        readCounts.push_back(reads);
        if (e.said) {
            ASSERT_EQ(report.messages.size(), 1u);
            EXPECT_NE(report.messages[0].find(e.said), std::u16string::npos);
            report.messages.clear();
            continue;
        }
        ASSERT_TRUE(report.messages.empty());
        const auto after = office.documents();
        ASSERT_EQ(after.size(), before.size() + 1);
        const auto document = *std::ranges::find_if(after, [&](const auto& d) { return !std::ranges::count(before, d); });
        const auto tavrosk = sheet(document, u"タヴロスク");
        expectColumnA(tavrosk, e.lines);
        const auto controller = Reference<css::frame::XModel>(document, UNO_QUERY_THROW)->getCurrentController();
        EXPECT_TRUE(Reference<css::awt::XWindow2>(controller->getFrame()->getContainerWindow(), UNO_QUERY_THROW)->isVisible());
        EXPECT_TRUE(controller->getFrame()->isActive());
        EXPECT_EQ(libreoffice::ToU16(Reference<css::container::XNamed>(
                      Reference<css::sheet::XSpreadsheetView>(controller, UNO_QUERY_THROW)->getActiveSheet(),
                      UNO_QUERY_THROW)->getName()), u"タヴロスク");
        if (&e == &exports[0]) {
            first = tavrosk;
            expectAFittedTextColumn(document, tavrosk, e.lines.size());
        } else if (&e == &exports[1]) {
            expectColumnA(first, exports[0].lines);
        }
    }
    // A stray first read of the office's may cost one more read at any
    // export; reading such a list again and again costs four.
    EXPECT_LE(readCounts[2], readCounts[1] + 2);
}

} // namespace
} // namespace tavrosk::test

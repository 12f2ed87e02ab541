// The whole export as a user runs it: the real window owns the clipboard and
// keeps serving it while the office, started with a profile of the test's
// own, reads it.

#include "tests/libreoffice/TestOffice.h"
#include "tests/window/ClipboardElsewhere.h"

#include "app/Form1.h"
#include "app/UiFont.h"
#include "app/platform/WorkerLongCall.h"
#include "commands/RunCommand.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <com/sun/star/text/XTextRange.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace tavrosk::test {
namespace {

struct RecordingReport final : FailureReport {
    void show(const OperationFailed& failure) override { messages.push_back(failure.userMessage()); }
    std::vector<std::u16string> messages;
};

std::u16string cellA(const Reference<XSpreadsheet>& sheet, sal_Int32 row) {
    return libreoffice::toU16(
        Reference<css::text::XTextRange>(sheet->getCellByPosition(0, row), css::uno::UNO_QUERY_THROW)->getString());
}

class WindowExport : public ::testing::Test {
protected:
    void exportList(libreoffice::CalcServer& server, const std::u16string& list) {
        Form1 form(report, server, longCall);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.state().text1.setText(list);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
        EXPECT_EQ(form.state().text1.text(), u"");
        EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    }

    RecordingReport report;
    WorkerLongCall longCall;
};

TEST_F(WindowExport, TheListArrivesInANewSheetAsTextRowForRow) {
    TestOffice office;
    libreoffice::CalcServer server(office.options());
    const std::vector<std::u16string> lines = {u"01 夜明けの歌", u"0012", u"3-4", u"1E5", u"=SUM(A1)", u"+81", u"-x", u"@x"};
    std::u16string list;
    for (const auto& line : lines)
        list += line + u"\r\n";

    const auto start = std::chrono::steady_clock::now();
    exportList(server, list);
    std::printf("export from cold: %.0f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    ASSERT_TRUE(report.messages.empty());

    const auto documents = office.documents();
    ASSERT_EQ(documents.size(), 1u);
    const Reference<XSpreadsheet> sheet = test::sheet(documents[0], u"タヴロスク");
    ASSERT_TRUE(sheet.is());
    for (std::size_t row = 0; row < lines.size(); ++row)
        EXPECT_EQ(cellA(sheet, static_cast<sal_Int32>(row)), lines[row]) << "row " << row;
    EXPECT_EQ(cellA(sheet, static_cast<sal_Int32>(lines.size())), u"");

    // Again with the office running: a second document, the first unchanged.
    const auto again = std::chrono::steady_clock::now();
    exportList(server, u"second\r\n");
    std::printf("export with the office running: %.0f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - again).count());
    EXPECT_EQ(office.documents().size(), 2u);
    EXPECT_EQ(cellA(sheet, 0), lines[0]);
}

TEST_F(WindowExport, WithoutAnOfficeTheMessageComesAndTheListStaysOnTheClipboard) {
    libreoffice::OfficeOptions options;
    options.pipeName = "tavrosk-test-none-" + std::to_string(QCoreApplication::applicationPid());
    options.program = "/nonexistent/soffice";
    libreoffice::CalcServer server(options);

    exportList(server, u"keep me\r\n");

    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_NE(report.messages[0].find(u"起動できません"), std::u16string::npos);
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray("keep me\r\n"));
}

} // namespace
} // namespace tavrosk::test

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tavrosk::UseJapaneseUiFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

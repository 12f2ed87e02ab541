#include "export/ClipboardExport.h"
#include "export/SpreadsheetExport.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

using Calls = std::vector<std::string>;

// The copy, then the spreadsheet's calls.
const Calls kCalls = {"clipboard.clear", "text1.text", "clipboard.setText", "text1.setText", "text2.setText",
                      "server.createApplication", "app.makeVisible", "app.addWorkbook", "book.addWorksheet",
                      "sheet.setName", "clipboard.hasPlainText", "sheet.keepColumnAAsText", "sheet.paste",
                      "sheet.autoFitColumnA"};
constexpr std::size_t kCopyCalls = 5;

// Each spreadsheet call failing in turn, then none: the export stops at the
// failure, every reference is released, the list stays on the clipboard.
TEST(ExportToSpreadsheet, MakesTheCallsInOrderAndStopsAtAFailure) {
    for (std::size_t failAt = kCopyCalls; failAt <= kCalls.size(); ++failAt) {
        FakeForm form;
        form.text1.value = u"a\r\n";
        form.text2.value = u"ogg";
        RecordingSpreadsheet server(form.log);
        DirectCall direct;
        const bool fails = failAt < kCalls.size();
        if (fails) {
            form.log.failAt = failAt;
            EXPECT_THROW(ExportToSpreadsheet(form.state, server, direct), OperationFailed) << kCalls[failAt];
        } else {
            ExportToSpreadsheet(form.state, server, direct);
        }
        EXPECT_EQ(form.log.calls, Calls(kCalls.begin(), kCalls.begin() + static_cast<long>(failAt + fails)));
        EXPECT_EQ(form.clipboard.content, u"a\r\n");
        EXPECT_EQ(form.text1.value + form.text2.value, u"");
        if (!fails) {
            EXPECT_EQ(server.name, u"タヴロスク");
        }
        EXPECT_EQ(server.live, 0) << "references left after failing " << failAt;
    }
}

TEST(ExportToSpreadsheet, AClipboardEmptiedMeanwhileLeavesTheSheetEmptyButFitted) {
    FakeForm form;
    form.text1.value = u"a\r\n";
    RecordingSpreadsheet server(form.log);
    DirectCall direct;
    form.log.onCall = [&](const std::string& call) {
        if (call == "clipboard.hasPlainText")
            form.clipboard.content.reset();
    };
    ExportToSpreadsheet(form.state, server, direct);
    Calls expected = kCalls;
    std::erase(expected, "sheet.keepColumnAAsText");
    std::erase(expected, "sheet.paste");
    EXPECT_EQ(form.log.calls, expected);
}

} // namespace
} // namespace tavrosk::test

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
// Last, the clipboard emptied meanwhile: the sheet is left empty, but fitted.
TEST(ExportToSpreadsheet, MakesTheCallsInOrderAndStopsAtAFailure) {
    for (std::size_t failAt = kCopyCalls; failAt <= kCalls.size() + 1; ++failAt) {
        FakeForm form;
        form.text1.value = u"a\r\n";
        form.text2.value = u"ogg";
        RecordingSpreadsheet server(form.log);
        DirectCall direct;
        const bool fails = failAt < kCalls.size(), emptied = failAt > kCalls.size();
        Calls expected(kCalls.begin(), kCalls.begin() + static_cast<long>(std::min(failAt + 1, kCalls.size())));
        if (fails)
            form.log.failAt = failAt;
        if (emptied) {
            form.log.onCall = [&](const std::string& call) {
                if (call == "clipboard.hasPlainText")
                    form.clipboard.content.reset();
            };
            std::erase(expected, "sheet.keepColumnAAsText");
            std::erase(expected, "sheet.paste");
        }
        try {
            ExportToSpreadsheet(form.state, server, direct);
            EXPECT_FALSE(fails);
        } catch (const OperationFailed&) {
            EXPECT_TRUE(fails) << "failed after " << form.log.calls.back();
        }
        EXPECT_EQ(form.log.calls, expected);
        EXPECT_EQ(form.clipboard.content.value_or(u"(emptied)"), emptied ? u"(emptied)" : u"a\r\n");
        EXPECT_EQ(form.text1.value + form.text2.value, u"");
        if (!fails) {
            EXPECT_EQ(server.name, u"タヴロスク");
        }
        EXPECT_EQ(server.live, 0) << "references left after failing " << failAt;
    }
}

} // namespace
} // namespace tavrosk::test

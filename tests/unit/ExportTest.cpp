#include "export/ClipboardExport.h"
#include "export/SpreadsheetExport.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

using Calls = std::vector<std::string>;

const Calls kCopy = {"clipboard.clear", "text1.text", "clipboard.setText", "text1.setText", "text2.setText"};
const Calls kSpreadsheet = {"server.createApplication", "app.makeVisible", "app.addWorkbook", "book.addWorksheet",
                            "sheet.setName", "clipboard.hasPlainText", "sheet.keepColumnAAsText", "sheet.paste",
                            "sheet.autoFitColumnA"};

Calls concat(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Counts the runs, and can let another program empty the clipboard meanwhile.
struct CountingLongCall final : LongCall {
    void run(const std::function<void()>& call) override {
        ++runs;
        call();
        if (emptiedBy)
            emptiedBy->content.reset();
    }
    int runs = 0;
    FakeClipboard* emptiedBy = nullptr;
};

TEST(ExportToSpreadsheet, CopiesThenMakesTheCallsInOrderAndReleasesEverything) {
    for (const bool emptied : {false, true}) {
        FakeForm form;
        form.text1.value = u"0012\r\n";
        RecordingSpreadsheet server(form.log);
        CountingLongCall longCall;
        longCall.emptiedBy = emptied ? &form.clipboard : nullptr;

        ExportToSpreadsheet(form.state, server, longCall);

        Calls expected = concat(kCopy, kSpreadsheet);
        if (emptied) {  // no text to paste: the paste is left out, the fit is not
            std::erase(expected, "sheet.keepColumnAAsText");
            std::erase(expected, "sheet.paste");
        }
        EXPECT_EQ(form.log.calls, expected);
        EXPECT_EQ(server.name, u"タヴロスク");
        EXPECT_EQ(server.live, 0);
        EXPECT_EQ(longCall.runs, 2);
    }
}

TEST(ExportToSpreadsheet, AFailureAtAnyCallStopsThereWithTheListOnTheClipboard) {
    const Calls all = concat(kCopy, kSpreadsheet);
    for (std::size_t failAt = kCopy.size(); failAt < all.size(); ++failAt) {
        FakeForm form;
        form.text1.value = u"a\r\n";
        form.text2.value = u"ogg";
        RecordingSpreadsheet server(form.log);
        DirectCall direct;
        form.log.failAt = failAt;

        EXPECT_THROW(ExportToSpreadsheet(form.state, server, direct), OperationFailed) << all[failAt];

        EXPECT_EQ(form.log.calls, Calls(all.begin(), all.begin() + static_cast<long>(failAt) + 1));
        EXPECT_EQ(form.clipboard.content, u"a\r\n");
        EXPECT_EQ(form.text1.value + form.text2.value, u"");
        EXPECT_EQ(server.live, 0) << "references left after failing " << all[failAt];
    }
}

} // namespace
} // namespace tavrosk::test

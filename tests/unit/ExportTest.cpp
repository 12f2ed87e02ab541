#include "export/ClipboardExport.h"
#include "export/SpreadsheetExport.h"

#include "Fakes.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavrosk::test {
namespace {

TEST(CopyListToClipboard, ClearsSetsThenEmptiesBothFields) {
    FakeForm form;
    form.text1.value = u"01 Intro\r\n曲\r\n";
    form.text2.value = u"ogg";

    CopyListToClipboard(form.state);

    EXPECT_EQ(form.clipboard.content, u"01 Intro\r\n曲\r\n");
    EXPECT_EQ(form.text1.value, u"");
    EXPECT_EQ(form.text2.value, u"");
    EXPECT_EQ(form.log.calls, std::vector<std::string>({"clipboard.clear", "text1.text", "clipboard.setText",
                                                        "text1.setText", "text2.setText"}));
}

TEST(CopyListToClipboard, EmptyListStillSetsAnEmptyTextAndClearsText2) {
    FakeForm form;
    form.text2.value = u"ogg";
    CopyListToClipboard(form.state);
    EXPECT_EQ(form.clipboard.content, u"");
    EXPECT_EQ(form.text2.value, u"");
}

TEST(CopyListToClipboard, ClipboardFailureLeavesTheListInText1) {
    for (std::size_t failAt : {0u, 2u}) {
        FakeForm form;
        form.text1.value = u"list\r\n";
        form.log.failAt = failAt;
        EXPECT_THROW(CopyListToClipboard(form.state), OperationFailed);
        EXPECT_EQ(form.text1.value, u"list\r\n") << "failing call " << failAt;
    }
}

// A spreadsheet application that records each call into the form's log, so
// that the order of automation calls and clipboard queries is checked as one
// sequence, and that counts the objects still referenced.
struct RecordingSpreadsheet final : SpreadsheetServer {
    explicit RecordingSpreadsheet(CallLog& log) : log(log) {}

    struct Held {
        explicit Held(RecordingSpreadsheet& owner) : owner(owner) { ++owner.live; }
        ~Held() { --owner.live; }
        RecordingSpreadsheet& owner;
    };
    struct Sheet final : Worksheet, Held {
        using Held::Held;
        void setName(const std::u16string& name) override { owner.log.record("sheet.setName"); owner.name = name; }
        void keepColumnAAsText() override { owner.log.record("sheet.keepColumnAAsText"); }
        void paste() override { owner.log.record("sheet.paste"); }
        void autoFitColumnA() override { owner.log.record("sheet.autoFitColumnA"); }
    };
    struct Book final : Workbook, Held {
        using Held::Held;
        std::unique_ptr<Worksheet> addWorksheet() override {
            owner.log.record("book.addWorksheet");
            return std::make_unique<Sheet>(owner);
        }
    };
    struct App final : SpreadsheetApplication, Held {
        using Held::Held;
        void makeVisible() override { owner.log.record("app.makeVisible"); }
        std::unique_ptr<Workbook> addWorkbook() override {
            owner.log.record("app.addWorkbook");
            return std::make_unique<Book>(owner);
        }
    };
    std::unique_ptr<SpreadsheetApplication> createApplication() override {
        log.record("server.createApplication");
        return std::make_unique<App>(*this);
    }

    CallLog& log;
    int live = 0;
    std::u16string name;
};

// Counts that every call to the application went through the long-call runner.
struct CountingLongCall final : LongCall {
    void run(const std::function<void()>& call) override {
        ++runs;
        call();
    }
    int runs = 0;
};

const std::vector<std::string> kFullExport = {
    "clipboard.clear", "text1.text", "clipboard.setText", "text1.setText", "text2.setText",
    "server.createApplication", "app.makeVisible", "app.addWorkbook", "book.addWorksheet", "sheet.setName",
    "clipboard.hasPlainText", "sheet.keepColumnAAsText", "sheet.paste", "sheet.autoFitColumnA",
};

TEST(ExportToSpreadsheet, CopiesThenMakesTheCallsInOrderAndReleasesEverything) {
    FakeForm form;
    form.text1.value = u"0012\r\n=SUM(A1)\r\n";
    RecordingSpreadsheet server(form.log);
    CountingLongCall longCall;

    ExportToSpreadsheet(form.state, server, longCall);

    EXPECT_EQ(form.log.calls, kFullExport);
    EXPECT_EQ(server.name, u"タヴロスク");
    EXPECT_EQ(form.clipboard.content, u"0012\r\n=SUM(A1)\r\n");
    EXPECT_EQ(server.live, 0);
    EXPECT_EQ(longCall.runs, 2);
}

TEST(ExportToSpreadsheet, SkipsThePasteWhenTheClipboardHoldsNoText) {
    FakeForm form;
    RecordingSpreadsheet server(form.log);
    // Another program empties the clipboard while the application starts.
    struct Emptying final : LongCall {
        explicit Emptying(FakeClipboard& clipboard) : clipboard(clipboard) {}
        void run(const std::function<void()>& call) override { call(); clipboard.content.reset(); }
        FakeClipboard& clipboard;
    } emptying(form.clipboard);

    ExportToSpreadsheet(form.state, server, emptying);

    std::vector<std::string> expected = kFullExport;
    std::erase(expected, "sheet.keepColumnAAsText");
    std::erase(expected, "sheet.paste");
    EXPECT_EQ(form.log.calls, expected);
    EXPECT_EQ(server.live, 0);
}

TEST(ExportToSpreadsheet, FailureAtAnyCallStopsThereWithTheListOnTheClipboard) {
    for (std::size_t failAt = 5; failAt < kFullExport.size(); ++failAt) {
        FakeForm form;
        form.text1.value = u"a\r\n";
        form.text2.value = u"ogg";
        RecordingSpreadsheet server(form.log);
        DirectCall direct;
        form.log.failAt = failAt;

        EXPECT_THROW(ExportToSpreadsheet(form.state, server, direct), OperationFailed) << kFullExport[failAt];

        EXPECT_EQ(form.log.calls, std::vector<std::string>(kFullExport.begin(), kFullExport.begin() + failAt + 1));
        EXPECT_EQ(form.clipboard.content, u"a\r\n");
        EXPECT_EQ(form.text1.value, u"");
        EXPECT_EQ(form.text2.value, u"");
        EXPECT_EQ(server.live, 0) << "references left after failing " << kFullExport[failAt];
    }
}

} // namespace
} // namespace tavrosk::test

#include "commands/Form1Core.h"

#include "export/LongCall.h"
#include "navigation/NameOrder.h"
#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tavrosk::test {
namespace {

// The lists' views, showing nothing; the test's folder holds one name.
struct NoView final : FileListView, FolderListView, NameOrder {
    void showNames(const std::vector<std::u16string>&) override {}
    void selectionChanged() override {}
    void scrollTo(std::size_t) override {}
    void showRows(const std::vector<FolderRow>&, std::size_t) override {}
    std::vector<std::size_t> sorted(const std::vector<std::u16string>& names) const override {
        return std::vector<std::size_t>(names.size());
    }
};

// A call to the spreadsheet application during which the user clicks.
struct ClickedMeanwhile final : LongCall {
    void run(const std::function<void()>& call) override {
        if (click)
            std::exchange(click, {})();
        call();
    }
    std::function<void()> click;
};

// Both windows hand their events to the core; a click made while an export
// waits on the spreadsheet application runs after it, once.
TEST(Form1Core, RunsAClickMadeDuringAnExportAfterItOnce) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavrosk core test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "a.mp3").put('x');
    FakeForm form;
    NoView view;
    RecordingReport report;
    RecordingSpreadsheet spreadsheet{form.log};
    ClickedMeanwhile call;
    Form1Core core({form.text1, form.text2, view, view, form.drive1, form.clipboard, view}, report, spreadsheet, call);
    core.start({folder});
    core.click("Command1");
    call.click = [&] {
        core.click("Command2");
        EXPECT_EQ(form.text1.value, u"") << "the click ran during the export";
    };
    core.click("Command7");
    EXPECT_EQ(form.text1.value, u"a.mp3\r\n");
    EXPECT_TRUE(report.messages.empty());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tavrosk::test

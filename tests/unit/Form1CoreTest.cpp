#include "commands/Form1Core.h"

#include "export/LongCall.h"
#include "navigation/NameOrder.h"
#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>

namespace tavrosk::test {
namespace {

struct NoView final : FileListView, FolderListView {
    void showNames(const std::vector<std::u16string>&) override {}
    void selectionChanged() override {}
    void scrollTo(std::size_t) override {}
    void showRows(const std::vector<FolderRow>&, std::size_t) override {}
};

struct CodeUnitOrder final : NameOrder {
    std::vector<std::size_t> sorted(const std::vector<std::u16string>& names) const override {
        std::vector<std::size_t> order(names.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });
        return order;
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

TEST(Form1Core, RunsAClickMadeDuringAnExportAfterItOnceAndKeepsTheSelectionOnReopening) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavrosk core test";
    std::filesystem::create_directories(folder / "sub");
    for (const char* name : {"b.mp3", "a.mp3"})
        std::ofstream(folder / name).put('x');
    FakeForm form;
    NoView view;
    CodeUnitOrder order;
    RecordingReport report;
    RecordingSpreadsheet spreadsheet{form.log};
    ClickedMeanwhile call;
    Form1Core core({form.text1, form.text2, view, view, form.drive1, form.clipboard, order}, report, spreadsheet,
                   call);
    core.start({folder / "a.mp3"});
    EXPECT_EQ(core.state().dir1.path(), folder);
    EXPECT_TRUE(core.files().isSelected(0));

    core.click("Command1");
    call.click = [&] {
        core.click("Command2");
        EXPECT_EQ(form.text1.value, u"") << "the click ran during the export";
    };
    core.click("Command7");
    // The export emptied the list first; the click made meanwhile came after.
    EXPECT_EQ(form.clipboard.content, u"");
    EXPECT_EQ(form.text1.value, u"a.mp3\r\nb.mp3\r\n");

    // Opening the open folder's row changes nothing; another row moves on.
    const std::vector<FolderRow>& rows = core.folders().rows();
    const auto open = std::find_if(rows.begin(), rows.end(), [&](const FolderRow& r) { return r.path == folder; });
    core.handle([&] { core.folders().openRow(static_cast<std::size_t>(open - rows.begin())); });
    EXPECT_TRUE(core.files().isSelected(1));
    core.handle([&] { core.folders().openRow(rows.size() - 1); });
    EXPECT_EQ(core.state().dir1.path(), folder / "sub");
    EXPECT_EQ(core.files().count(), 0u);
    EXPECT_TRUE(report.messages.empty());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tavrosk::test

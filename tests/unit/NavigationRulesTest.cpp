// The navigation rules both windows share, without a display, on either
// platform: the command line, what a set of paths opens, the file list's
// selection, the folder list's rows, the drive list kept in step, and the
// events dropped while an export waits.
#include "commands/Form1Core.h"
#include "export/LongCall.h"
#include "model/BackgroundSteps.h"
#include "navigation/CommandLine.h"
#include "navigation/NameText.h"
#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace tavrosk::test {
namespace {

namespace fs = std::filesystem;
using Runs = std::vector<std::pair<std::size_t, std::size_t>>;

TEST(CommandLine, OptionsComeFirstAndDashDashEndsThem) {
    using Asks = CommandLine::Asks;
    const struct {
        std::vector<fs::path> arguments, paths;
        Asks asks;
    } cases[] = {
        {{}, {}, Asks::Start},
        {{"a.mp3", "music"}, {"a.mp3", "music"}, Asks::Start},
        {{"--help"}, {}, Asks::Usage},
        {{"a.mp3", "--version", "--help"}, {}, Asks::Version},
        {{"--", "--help", "-", "--version"}, {"--help", "-", "--version"}, Asks::Start},
        {{"a", "--", "--"}, {"a", "--"}, Asks::Start},
    };
    for (const auto& c : cases) {
        const CommandLine line = ReadCommandLine(c.arguments);
        EXPECT_EQ(line.asks, c.asks) << c.arguments.size();
        EXPECT_EQ(line.paths, c.paths) << c.arguments.size();
    }
}

// A call to the spreadsheet application during which the user acts.
struct ActedMeanwhile final : LongCall {
    void run(const std::function<void()>& call) override {
        if (act)
            std::exchange(act, {})();
        call();
    }
    std::function<void()> act;
};

// The core on a folder tree of the test's own, its views recording.
class CoreTest : public ::testing::Test {
protected:
    CoreTest() {
        fs::remove_all(root);
        for (const char8_t* file : {u8"sub/a.mp3", u8"sub/b 2.mp3", u8"sub/c.mp3", u8"sub/deeper/z.mp3",
                                    u8"other/x.mp3", u8"アルバム/曲 🎵.mp3", u8"stick/music/s.mp3"}) {
            fs::create_directories((root / file).parent_path());
            std::ofstream(root / file).put('x');
        }
        fs::current_path(root);
    }
    ~CoreTest() override {
        fs::current_path(startedIn);
        fs::remove_all(root);
    }

    // The open folder, relative to the tree, the selected names, and what
    // was said (nothing: "").
    std::u16string shown() {
        std::u16string text = PathText(core.folders().path().lexically_relative(root)) + u":";
        for (std::size_t i = 0; i < core.files().count(); ++i)
            if (core.files().isSelected(i))
                text += u" " + core.files().name(i);
        return text;
    }
    std::u16string takeMessage() {
        const std::u16string message = report.messages.empty() ? u"" : report.messages.front();
        report.messages.clear();
        return message;
    }

    const fs::path startedIn = fs::current_path();
    const fs::path root = fs::temp_directory_path() / "tavrosk navigation test";
    FakeForm form;
    FakeViews views;
    RecordingReport report;
    RecordingSpreadsheet spreadsheet{form.log};
    ActedMeanwhile call;
    FakeTitleReader titles;
    StepsHere steps;
    Form1Core core{{form.text1, form.text2, views, views, form.drive1, form.clipboard, views}, report, spreadsheet,
                   call, titles, steps};
};

// The first path decides: a folder opens as it is, a file opens its folder
// with it and the other handed-over files of that folder selected; a path
// that cannot be opened is said, and the current folder shows.
TEST_F(CoreTest, StartArgumentsOpenAFolderOrAFilesFolderWithItsFilesSelected) {
    const struct {
        std::vector<fs::path> arguments;
        std::u16string shown, said;
    } cases[] = {
        {{}, u".:", u""},
        {{"sub"}, u"sub:", u""},
        {{"sub/b 2.mp3", "other/a.mp3"}, u"sub: b 2.mp3", u""},
        {{"sub/c.mp3", "other/x.mp3", root / "sub/a.mp3", "sub/../sub/b 2.mp3", "sub/deeper/z.mp3"},
         u"sub: a.mp3 b 2.mp3 c.mp3", u""},
        {{"other/x.mp3", "sub/a.mp3"}, u"other: x.mp3", u""},
        {{"sub", "sub/a.mp3"}, u"sub:", u""},
        {{"sub/a.mp3", "sub/gone.mp3", "sub/deeper"}, u"sub: a.mp3", u""},
        {{fs::path(u8"アルバム/曲 🎵.mp3")}, u"アルバム: 曲 🎵.mp3", u""},
        {{fs::path(u8"gone 曲🎵/x.mp3"), "sub/a.mp3"}, u".:", u"gone 曲🎵"},
    };
    for (const auto& c : cases) {
        core.start(c.arguments);
        const std::u16string said = takeMessage();
        EXPECT_EQ(shown(), c.shown) << said.size();
        EXPECT_TRUE(c.said.empty() ? said.empty()
                                   : said.find(c.said) != said.npos && said.find(u"見つかりません") != said.npos);
    }
    // A drop follows the same rule; one that cannot be opened changes nothing.
    core.drop({"other/x.mp3", "sub/c.mp3"});
    core.drop({"missing"});
    EXPECT_NE(takeMessage().find(u"missing"), std::u16string::npos);
    EXPECT_EQ(shown(), u"other: x.mp3");
}

TEST(MultiSelectFileList, KeepsTheSelectionAndTellsTheViewOncePerChange) {
    using List = MultiSelectFileList;
    const struct {
        std::function<void(List&)> steps;
        Runs runs;
        int raised;
        std::vector<std::size_t> scrolled;
    } cases[] = {
        {[](List& l) { l.setSelected(1, true), l.setSelected(2, true), l.setSelected(4, true); },
         {{1, 2}, {4, 4}}, 1, {}},
        {[](List& l) { l.setSelected(1, true), l.setSelected(1, true), l.setSelected(3, false); }, {{1, 1}}, 1, {}},
        {[](List& l) { l.setSelected(0, true), l.setSelected(0, false); }, {}, 1, {}},
        // The user's own selection is in the view already; ranges past the
        // list or back to front are none.
        {[](List& l) { l.userSelected(0, 3, true), l.userSelected(1, 1, false), l.userSelected(4, 9, true),
                       l.userSelected(3, 1, false); }, {{0, 0}, {2, 3}}, 0, {}},
        // By the names as the file system spells them; the first in view.
        {[](List& l) { l.selectFiles({"e.mp3", "gone.mp3", "b.mp3"}), l.selectFiles({"gone.mp3"}); },
         {{1, 1}, {3, 3}}, 1, {1}},
        {[](List& l) { l.selectFiles({"b.mp3", "e.mp3"}); }, {{1, 1}, {3, 3}}, 1, {1}},
        {[](List& l) { l.setSelected(0, true), l.userSelected(1, 2, true), l.setPath(fs::path("m")); }, {}, 1, {}},
    };
    for (const auto& c : cases) {
        FakeViews views;
        SharedFolderRead reading;
        List list(views, reading, views);
        // Shown in the order's order, whatever the folder's, and each on one line.
        reading.keep("m", {{"d.mp3", "a.mp3", "e.mp3", "b.mp3", "two\nlines.mp3"}, {}});
        list.setPath("m");
        EXPECT_EQ(list.name(0) + list.name(4), u"a.mp3two␊lines.mp3");
        EXPECT_THROW(list.setSelected(5, true), OperationFailed);
        reading.keep("m", {{"d.mp3", "a.mp3", "e.mp3", "b.mp3", "two\nlines.mp3"}, {}});
        c.steps(list);
        EXPECT_EQ(list.selectedRuns(), c.runs) << c.runs.size();
        EXPECT_EQ(views.selectionRaised, c.raised) << c.runs.size();
        EXPECT_EQ(views.scrolledTo, c.scrolled) << c.runs.size();
    }
}

// The rows as "text:indent", '+' for an open folder, '*' for the chosen row;
// the root is "R".
std::u16string rowsOf(const FakeViews& views) {
    std::u16string text;
    for (std::size_t i = 0; i < views.rows.size(); ++i) {
        const FolderRow& row = views.rows[i];
        text += (i == 0 ? u"R" : u" " + row.text) + u":" + static_cast<char16_t>(u'0' + row.indent) +
                (row.open ? u"+" : u"") + (i == views.currentRow ? u"*" : u"");
    }
    return text;
}

TEST(ClassicFolderList, ShowsTheChainAndTheSubfoldersAndReopensNothing) {
    const fs::path root = fs::temp_directory_path().root_path();
    const struct {
        fs::path folder;
        std::vector<fs::path> subfolders;
        std::u16string rows;
    } cases[] = {
        {root, {"b", "a"}, u"R:0+* a:1 b:1"},
        {root / "m" / "album", {"y", "x"}, u"R:0+ m:1+ album:2+* x:3 y:3"},
        // Past a few levels the indent stops growing.
        {root / "1" / "2" / "3" / "4" / "5" / "6", {"s"}, u"R:0+ 1:1+ 2:2+ 3:3+ 4:3+ 5:3+ 6:3+* s:4"},
    };
    for (const auto& c : cases) {
        FakeViews views;
        SharedFolderRead reading;
        ClassicFolderList list(views, reading, views);
        int changes = 0;
        list.changed().subscribe([&] { ++changes; });
        reading.keep(c.folder, {{}, c.subfolders});
        list.setPath(c.folder);
        EXPECT_EQ(views.rows.front().text, PathText(root));
        // Opening the open folder's row, or no row, changes nothing.
        list.openRow(views.currentRow);
        list.openRow(views.rows.size());
        EXPECT_EQ(changes + views.rowsShown, 2);
        // A subfolder that cannot be read: the open folder is chosen again.
        views.currentRow = views.rows.size() - 1;
        EXPECT_THROW(list.openRow(views.rows.size() - 1), OperationFailed);
        EXPECT_EQ(rowsOf(views), c.rows);
        EXPECT_EQ(list.path(), c.folder);
        EXPECT_EQ(changes, 1);

        reading.keep(c.folder / c.subfolders.front(), {});
        list.openRow(views.rows.size() - 1);
        EXPECT_EQ(list.path(), c.folder / c.subfolders.front());
    }
}

// A pick that fails is the drive's failure, and the drive list shows the
// open folder's drive again, so that the next pick of that drive is one.
TEST_F(CoreTest, AFailedDrivePickShowsTheOpenDriveAndAGoneFolderItsAncestor) {
    core.start({"sub"});
    form.drive1.picked = root / "no medium";
    form.drive1.shownFor.clear();
    core.handle([&] { form.drive1.changed().raise(); });
    const std::u16string message = takeMessage();
    EXPECT_TRUE(message.starts_with(u"ドライブ「" + PathText(form.drive1.picked) + u"」を開けません。"));
    EXPECT_NE(message.find(u"メディア"), std::u16string::npos);
    EXPECT_EQ(form.drive1.shownFor, root / "sub");
    EXPECT_EQ(shown(), u"sub:");

    // The medium is taken out while its folder is open.
    core.start({"stick/music/s.mp3"});
    fs::remove_all(root / "stick" / "music");
    core.drivesChanged();
    EXPECT_EQ(shown() + takeMessage(), u"stick:");
    EXPECT_EQ(form.drive1.shownFor, root / "stick");
}

// An event made while an export waits on the spreadsheet application is
// dropped, neither run then nor after it: the list stays on the clipboard,
// one workbook is made.
TEST_F(CoreTest, WhatTheUserDoesDuringAnExportIsDropped) {
    const std::function<void()> kMeanwhile[] = {
        [&] { core.run(Action::AppendSelectedNames); },
        [&] { core.run(Action::ExportToSpreadsheet); },
        [&] { core.drop({"other"}); },
    };
    for (const auto& act : kMeanwhile) {
        core.start({"sub/a.mp3"});
        core.run(Action::AppendSelectedNames);
        form.log.calls.clear();
        bool busy = false;
        call.act = [&] { busy = core.busy(); act(); };
        core.run(Action::ExportToSpreadsheet);
        EXPECT_TRUE(busy && !core.busy());
        EXPECT_EQ(std::ranges::count(form.log.calls, "server.createApplication"), 1);
        EXPECT_EQ(shown() + u"|" + form.text1.value + u"|" + form.clipboard.content.value_or(u"(none)") +
                      takeMessage(), u"sub: a.mp3||a.mp3\r\n");
    }
}

} // namespace
} // namespace tavrosk::test

// The navigation rules both windows share, without a display, on either
// platform: the command line, what a set of paths opens, the file list's
// selection, the folder list's rows, and the drive list kept in step.
#include "commands/Form1Core.h"
#include "export/LongCall.h"
#include "navigation/CommandLine.h"
#include "navigation/NameText.h"
#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tavrosk::test {
namespace {

namespace fs = std::filesystem;

fs::path u8(const char8_t* text) {
    return fs::path(text);
}

TEST(CommandLine, OptionsComeFirstAndDashDashEndsThem) {
    using Asks = CommandLine::Asks;
    const struct {
        std::vector<fs::path> arguments;
        Asks asks;
        std::vector<fs::path> paths;
    } cases[] = {
        {{}, Asks::Start, {}},
        {{"a.mp3", "music"}, Asks::Start, {"a.mp3", "music"}},
        {{"--help"}, Asks::Usage, {}},
        {{"--version"}, Asks::Version, {}},
        {{"a.mp3", "--version", "--help"}, Asks::Version, {}},
        {{"--", "--help", "-", "--version"}, Asks::Start, {"--help", "-", "--version"}},
        {{"a", "--", "--"}, Asks::Start, {"a", "--"}},
    };
    for (const auto& c : cases) {
        const CommandLine line = ReadCommandLine(c.arguments);
        EXPECT_EQ(line.asks, c.asks) << c.arguments.size();
        EXPECT_EQ(line.paths, c.paths) << c.arguments.size();
    }
}

// The core on a folder tree of the test's own, its views recording.
class CoreTest : public ::testing::Test {
protected:
    CoreTest() {
        fs::remove_all(root);
        for (const char8_t* file : {u8"sub/a.mp3", u8"sub/b 2.mp3", u8"sub/c.mp3", u8"sub/deeper/z.mp3",
                                    u8"other/x.mp3", u8"アルバム/曲 🎵.mp3", u8"stick/music/s.mp3"}) {
            fs::create_directories((root / u8(file)).parent_path());
            std::ofstream(root / u8(file)).put('x');
        }
        fs::current_path(root);
    }
    ~CoreTest() override {
        fs::current_path(startedIn);
        fs::remove_all(root);
    }

    // The open folder, relative to the tree, and the selected names.
    std::string shown() {
        std::u16string text = PathText(core.folders().path().lexically_relative(root)) + u":";
        for (std::size_t i = 0; i < core.files().count(); ++i)
            if (core.files().isSelected(i))
                text += u" " + core.files().name(i);
        return PathCause(fs::path(text));
    }
    std::u16string takeMessage() {
        const std::u16string message = report.messages.empty() ? u"(none)" : report.messages.front();
        report.messages.clear();
        return message;
    }

    const fs::path startedIn = fs::current_path();
    const fs::path root = fs::temp_directory_path() / "tavrosk navigation test";
    FakeForm form;
    FakeViews views;
    RecordingReport report;
    RecordingSpreadsheet spreadsheet{form.log};
    DirectCall call;
    Form1Core core{{form.text1, form.text2, views, views, form.drive1, form.clipboard, views}, report, spreadsheet,
                   call};
};

// The first path decides: a folder opens as it is, a file opens its folder
// with it and the other handed-over files of that folder selected; a path
// that cannot be opened is said, and the current folder shows.
TEST_F(CoreTest, StartArgumentsOpenAFolderOrAFilesFolderWithItsFilesSelected) {
    const struct {
        std::vector<fs::path> arguments;
        std::string shown;
        const char16_t* message;
    } cases[] = {
        {{}, ".:", nullptr},
        {{"sub"}, "sub:", nullptr},
        {{"sub/b 2.mp3", "other/a.mp3"}, "sub: b 2.mp3", nullptr},
        {{"sub/c.mp3", "other/x.mp3", root / "sub/a.mp3", "sub/../sub/b 2.mp3", "sub/deeper/z.mp3"},
         "sub: a.mp3 b 2.mp3 c.mp3", nullptr},
        {{"other/x.mp3", "sub/a.mp3"}, "other: x.mp3", nullptr},
        {{"sub", "sub/a.mp3"}, "sub:", nullptr},
        {{"sub/a.mp3", "sub/gone.mp3", "sub/deeper"}, "sub: a.mp3", nullptr},
        {{u8(u8"アルバム/曲 🎵.mp3")}, "\xE3\x82\xA2\xE3\x83\xAB\xE3\x83\x90\xE3\x83\xA0: \xE6\x9B\xB2 \xF0\x9F\x8E\xB5.mp3",
         nullptr},
        {{u8(u8"gone 曲🎵/x.mp3"), "sub/a.mp3"}, ".:", u"gone 曲🎵"},
    };
    for (const auto& c : cases) {
        core.start(c.arguments);
        EXPECT_EQ(shown(), c.shown) << c.shown;
        const std::u16string message = takeMessage();
        if (c.message) {
            EXPECT_NE(message.find(c.message), std::u16string::npos) << c.shown;
            EXPECT_NE(message.find(u"見つかりません"), std::u16string::npos) << c.shown;
        } else {
            EXPECT_EQ(message, u"(none)") << c.shown;
        }
    }
    // A drop follows the same rule; one that cannot be opened changes nothing.
    core.drop({"other/x.mp3", "sub/c.mp3"});
    EXPECT_EQ(shown(), "other: x.mp3");
    core.drop({"missing"});
    EXPECT_NE(takeMessage().find(u"missing"), std::u16string::npos);
    EXPECT_EQ(shown(), "other: x.mp3");
}

// Each step: "+N"/"-N" the program sets entry N, "uN-M"/"xN-M" the user
// selects/deselects N to M, "f:" selects these names, "p" opens the folder
// anew.
TEST(MultiSelectFileList, KeepsTheSelectionAndTellsTheViewOncePerChange) {
    const fs::path folder = fs::temp_directory_path() / "m";
    const struct {
        const char* steps;
        std::vector<std::pair<std::size_t, std::size_t>> runs;
        int raised;
        std::vector<std::size_t> scrolled;
    } cases[] = {
        {"+1 +2 +4", {{1, 2}, {4, 4}}, 1, {}},
        {"+1 +1 -3", {{1, 1}}, 1, {}},
        {"+0 -0", {}, 1, {}},
        {"u0-3 x1-1 u4-9 x3-1", {{0, 0}, {2, 3}}, 0, {}},
        {"f:e.mp3,gone.mp3,b.mp3 f:gone.mp3", {{1, 1}, {3, 3}}, 1, {1}},
        {"f:b.mp3,e.mp3", {{1, 1}, {3, 3}}, 1, {1}},
        {"+0 u1-2 p", {}, 1, {}},
    };
    for (const auto& c : cases) {
        FakeViews views;
        SharedFolderRead reading;
        MultiSelectFileList list(views, reading, views);
        // Listed in the order's order, whatever the folder's.
        const auto open = [&] {
            reading.keep(folder, {{"d.mp3", "a.mp3", "e.mp3", "b.mp3", "two\nlines.mp3"}, {}});
            list.setPath(folder);
        };
        open();
        std::istringstream steps(c.steps);
        for (std::string step; steps >> step;) {
            const std::size_t n = step.size() > 1 && step[1] != ':' ? std::stoul(step.substr(1)) : 0;
            const std::size_t dash = step.find('-', 1);
            const std::size_t m = dash == std::string::npos ? n : std::stoul(step.substr(dash + 1));
            if (step[0] == '+' || step[0] == '-')
                list.setSelected(n, step[0] == '+');
            else if (step[0] == 'u' || step[0] == 'x')
                list.userSelected(n, m, step[0] == 'u');
            else if (step[0] == 'p')
                open();
            else {
                std::vector<fs::path> names;
                std::istringstream given(step.substr(2));
                for (std::string name; std::getline(given, name, ',');)
                    names.emplace_back(name);
                list.selectFiles(names);
            }
        }
        EXPECT_EQ(list.selectedRuns(), c.runs) << c.steps;
        EXPECT_EQ(views.selectionRaised, c.raised) << c.steps;
        EXPECT_EQ(views.scrolledTo, c.scrolled) << c.steps;
    }
    FakeViews views;
    SharedFolderRead reading;
    MultiSelectFileList list(views, reading, views);
    reading.keep(folder, {{"b.mp3", "a\nb.mp3"}, {}});
    list.setPath(folder);
    EXPECT_EQ(list.name(0) + u"|" + list.name(1), u"a␊b.mp3|b.mp3");
    EXPECT_THROW(list.name(2), OperationFailed);
    EXPECT_THROW(list.setSelected(2, true), OperationFailed);
}

// The rows as "text:indent", '+' for an open folder, '*' for the chosen row.
std::string rowsOf(const FakeViews& views, const std::u16string& rootText) {
    std::u16string text;
    for (std::size_t i = 0; i < views.rows.size(); ++i) {
        const FolderRow& row = views.rows[i];
        text += (i == 0 ? u"" : u" ") + (i == 0 ? u"R" : row.text) + u":" + std::u16string(1, static_cast<char16_t>(u'0' + row.indent)) +
                (row.open ? u"+" : u"") + (i == views.currentRow ? u"*" : u"");
    }
    EXPECT_EQ(views.rows.empty() ? rootText : views.rows.front().text, rootText);
    return PathCause(fs::path(text));
}

TEST(ClassicFolderList, ShowsTheChainAndTheSubfoldersAndReopensNothing) {
    const fs::path root = fs::temp_directory_path().root_path();
    const std::u16string rootText = PathText(root);
    const struct {
        fs::path folder;
        std::vector<fs::path> subfolders;
        std::string rows;
    } cases[] = {
        {root, {"b", "a"}, "R:0+* a:1 b:1"},
        {root / "m" / "album", {"y", "x"}, "R:0+ m:1+ album:2+* x:3 y:3"},
        // Past a few levels the indent stops growing.
        {root / "1" / "2" / "3" / "4" / "5" / "6", {"s"}, "R:0+ 1:1+ 2:2+ 3:3+ 4:3+ 5:3+ 6:3+* s:4"},
    };
    for (const auto& c : cases) {
        FakeViews views;
        SharedFolderRead reading;
        ClassicFolderList list(views, reading, views);
        int changes = 0;
        list.changed().subscribe([&] { ++changes; });
        reading.keep(c.folder, {{}, c.subfolders});
        list.setPath(c.folder);
        EXPECT_EQ(rowsOf(views, rootText), c.rows);
        EXPECT_EQ(list.path(), c.folder);

        // Opening the open folder's row, or no row, changes nothing.
        list.openRow(views.currentRow);
        list.openRow(views.rows.size());
        EXPECT_EQ(changes + views.rowsShown, 2) << c.rows;

        // A subfolder that cannot be read: the open folder is chosen again.
        views.currentRow = views.rows.size() - 1;
        EXPECT_THROW(list.openRow(views.rows.size() - 1), OperationFailed);
        EXPECT_EQ(rowsOf(views, rootText), c.rows);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(list.path(), c.folder);

        const fs::path sub = c.folder / c.subfolders.front();
        reading.keep(sub, {});
        list.openRow(views.rows.size() - 1);
        EXPECT_EQ(list.path(), sub) << c.rows;
        EXPECT_EQ(changes, 2);
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
    EXPECT_TRUE(message.starts_with(u"ドライブ「" + PathText(form.drive1.picked) + u"」を開けません。")) << shown();
    EXPECT_NE(message.find(u"メディア"), std::u16string::npos);
    EXPECT_EQ(form.drive1.shownFor, root / "sub");
    EXPECT_EQ(shown(), "sub:");

    // The medium is taken out while its folder is open.
    core.start({"stick/music/s.mp3"});
    fs::remove_all(root / "stick" / "music");
    core.drivesChanged();
    EXPECT_EQ(shown(), "stick:");
    EXPECT_EQ(form.drive1.shownFor, root / "stick");
    EXPECT_EQ(takeMessage(), u"(none)");
}

} // namespace
} // namespace tavrosk::test

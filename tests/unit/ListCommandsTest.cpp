// The commands on the list and its text, and the text field's own undo.
#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "commands/TrackNumbers.h"
#include "commands/UndoableTextField.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrosk::test {
namespace {

using Calls = std::vector<std::string>;
using Flags = std::vector<bool>;

// One command run on a file list of the first selected.size() of these
// names; Text2 holds "ogg" and the folder is "/music/アルバム" throughout.
const struct {
    const char* what;
    void (*command)(FormState&);
    Flags selected;
    std::u16string text1;
    std::u16string expectText1;
    Flags expectSelected;
    std::u16string expectText2 = u"ogg";
    Calls expectCalls = {};  // not checked when empty
} kCases[] = {
    {"select all, last to first", SelectAllFiles, {0, 1, 0}, u"", u"", {1, 1, 1}, u"ogg",
     {"file1.count", "file1.setSelected 2 on", "file1.setSelected 1 on", "file1.setSelected 0 on"}},
    {"select all in an empty list", SelectAllFiles, {}, u"", u"", {}, u"ogg", {"file1.count"}},
    {"append the selected, first to last", AppendSelectedNames, {1, 0, 1, 1, 0}, u"",
     u"a.mp3\r\nc.mid\r\nd.txt\r\n", {1, 0, 1, 1, 0}},
    {"append continues the user's last line", AppendSelectedNames, {0, 1}, u"abc", u"abcb.wav\r\n", {0, 1}},
    {"append with nothing selected", AppendSelectedNames, {0, 0}, u"keep\r\n", u"keep\r\n", {0, 0}},
    {"append the folder's path", AppendFolderPath, {1}, u"typed", u"typed/music/アルバム\r\n", {1}},
    {"clear both fields, then deselect last to first", ClearAll, {1, 1}, u"list\r\n", u"", {0, 0}, u"",
     {"text1.setText", "text2.setText", "file1.count", "file1.setSelected 1 off", "file1.setSelected 0 off"}},
    {"track numbers off every line, in one write", RemoveTrackNumbers, {}, u"01 a\r\n02 b\r03 c\n1999\r\n04 d",
     u"a\r\nb\rc\n1999\r\nd", {}, u"ogg", {"text1.text", "text1.setText"}},
};

TEST(ListCommands, EachCaseEndsInItsState) {
    const std::vector<std::u16string> names = {u"a.mp3", u"b.wav", u"c.mid", u"d.txt", u"e"};
    for (const auto& c : kCases) {
        FakeForm form;
        form.file1.names.assign(names.begin(), names.begin() + static_cast<long>(c.selected.size()));
        form.file1.selected = c.selected;
        form.text1.value = c.text1;
        form.text2.value = u"ogg";
        form.dir1.current = u"/music/アルバム";

        c.command(form.state);

        EXPECT_EQ(form.text1.value, c.expectText1) << c.what;
        EXPECT_EQ(form.text2.value, c.expectText2) << c.what;
        EXPECT_EQ(form.file1.selected, c.expectSelected) << c.what;
        if (!c.expectCalls.empty()) {
            EXPECT_EQ(form.log.calls, c.expectCalls) << c.what;
        }
    }
}

TEST(RunCommand, ReportsEachFailureOnceAndGoesOn) {
    RecordingReport report;
    RunCommand(report, [] {});
    RunCommand(report, [] { throw OperationFailed(u"フォルダ「/x」を開けません。", "ENOENT"); });
    RunCommand(report, [] { throw std::runtime_error("bad_alloc somewhere"); });
    ASSERT_EQ(report.messages.size(), 2u);
    EXPECT_EQ(report.messages[0], u"フォルダ「/x」を開けません。");
    EXPECT_FALSE(report.messages[1].empty());
}

TEST(StripExtensions, TurnsNamesIntoTitles) {
    const struct {
        std::u16string list, typed, expected;
    } cases[] = {
        {u"01 Intro.mp3\r\n02 Song.mp3\r\n03.WAV\r\n", u"", u"01 Intro\r\n02 Song\r\n03\r\n"},
        {u"a.Mp3\r\nb.wMa\r\n", u"", u"a.Mp3\r\nb.wMa\r\n"},
        {u"my.wave.mp3", u"", u"mye"},
        {u"D:\\old.wav\\x\r\n", u"", u"D:\\old\\x\r\n"},
        {u"a.wma b.WMA c.mid d.MID e.MP3", u"", u"a b c d e"},
        {u"x.w.wavav", u"", u"x.wav"},
        {u"x.MP.mp33", u"", u"x"},
        {u"b.ogg\r\n", u"ogg", u"b\r\n"},
        {u"b.ogg\r\n", u".ogg", u"b.ogg\r\n"},
        {u"b.ogg\r\nc. \r\n", u" ", u"b.ogg\r\nc\r\n"},
        {u"b.wav.wav\r\n", u"wav", u"b\r\n"},
        {u"曲.flac.mp3", u"flac", u"曲"},
        {u"", u"ogg", u""},
    };
    for (const auto& c : cases) {
        FakeForm form;
        form.text1.value = c.list;
        form.text2.value = c.typed;
        StripExtensions(form.state);
        EXPECT_EQ(form.text1.value, c.expected);
        EXPECT_EQ(form.text2.value, c.typed);
        // One write, or none when nothing changed: each strip is one step to undo.
        EXPECT_EQ(std::count(form.log.calls.begin(), form.log.calls.end(), "text1.setText"), c.list != c.expected);
    }
}

// A field with the tool's own undo, its control showing nothing.
struct Field final : UndoableTextField {
    explicit Field(std::size_t budget) : UndoableTextField(u"", budget) {}
    void show(const TextChange&) override {}
    using UndoableTextField::changedByUser;
};

const std::u16string kList = u"a.mp3\rb.wav\n c\u00A0.mid\r\n曲\xD800.ogg\r\n", kTitles = u"a\r夜明けの歌\n 曲名\u00A0\r\n";

// Writes each text in turn (a leading '+' marks the user's edit), then runs the
// steps ('u' undo, 'r' redo, 'w' a command's write of "new") and expects
// the text after each.
const struct {
    const char* what;
    std::vector<std::u16string> writes;
    const char* steps;
    std::vector<std::u16string> expected;
    std::size_t budget = TextHistory::kDefaultBudget;
} kUndoCases[] = {
    {"commands' writes come back exactly, several steps", {kList, kTitles, u""}, "uuurrr",
     {kTitles, kList, u"", kList, kTitles, u""}},
    {"typing on is one step, a paste or a command's write another",
     {u"x", u"+xa", u"+xab", u"+xabc", u"+xabcPASTE", u"+xabcPASTEd", u"xabcPASTEd\r\n"}, "uuuuu",
     {u"xabcPASTEd", u"xabcPASTE", u"xabc", u"x", u""}},
    {"Backspace and Delete carry on one step", {u"abcdef", u"+abcef", u"+abef", u"+abf"}, "uu", {u"abcdef", u""}},
    {"a new change drops what could be redone", {u"one", u"two"}, "uwrr", {u"one", u"new", u"new", u"new"}},
    {"past the budget the oldest steps go, the newest stays", {u"0123456789", u"abcdefghij", u""}, "uu",
     {u"abcdefghij", u"abcdefghij"}, 12},
};

TEST(UndoableTextField, UndoAndRedoGiveEveryTextBackWithinTheBudget) {
    for (const auto& c : kUndoCases) {
        Field field(c.budget);
        for (const std::u16string& text : c.writes)
            text.starts_with(u'+') ? field.changedByUser(text.substr(1)) : field.setText(text);
        std::vector<std::u16string> seen;
        for (const char* step = c.steps; *step; ++step) {
            *step == 'u' ? field.undo() : *step == 'r' ? field.redo() : field.setText(u"new");
            seen.push_back(field.text());
        }
        EXPECT_EQ(seen, c.expected) << c.what;
    }
}

} // namespace
} // namespace tavrosk::test

// What both windows share below them: the events handed to the core, and
// the text field with the tool's own undo.
#include "commands/Form1Core.h"
#include "commands/UndoableTextField.h"
#include "export/LongCall.h"
#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace tavrosk::test {
namespace {

// A call to the spreadsheet application during which the user acts.
struct ActedMeanwhile final : LongCall {
    void run(const std::function<void()>& call) override {
        if (act)
            std::exchange(act, {})();
        call();
    }
    std::function<void()> act;
};

// Both windows hand their events to the core; one made while an export waits
// on the spreadsheet application is dropped, neither run then nor after it:
// the list stays on the clipboard, one workbook is made.
TEST(Form1Core, DropsWhatTheUserDoesDuringAnExport) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavrosk core test";
    std::filesystem::create_directories(folder / "sub");
    std::ofstream(folder / "a.mp3").put('x');
    const std::pair<const char*, std::function<void(Form1Core&)>> kMeanwhile[] = {
        {"append", [](Form1Core& core) { core.run(Action::AppendSelectedNames); }},
        {"a second export", [](Form1Core& core) { core.run(Action::ExportToSpreadsheet); }},
        {"a folder dropped", [&](Form1Core& core) { core.drop({folder / "sub"}); }},
    };
    for (const auto& [what, act] : kMeanwhile) {
        FakeForm form;
        FakeViews view;
        RecordingReport report;
        RecordingSpreadsheet spreadsheet{form.log};
        ActedMeanwhile call;
        FakeTitleReader titles;
        StepsHere steps;
        Form1Core core({form.text1, form.text2, view, view, form.drive1, form.clipboard, view}, report, spreadsheet,
                       call, titles, steps);
        core.start({folder});
        core.run(Action::SelectAllFiles);
        core.run(Action::AppendSelectedNames);
        bool busy = false;
        call.act = [&] { busy = core.busy(); act(core); };
        core.run(Action::ExportToSpreadsheet);
        EXPECT_TRUE(busy && !core.busy()) << what;
        EXPECT_EQ(std::ranges::count(form.log.calls, "server.createApplication"), 1) << what;
        EXPECT_EQ(form.text1.value + u"|" + form.clipboard.content.value_or(u"(none)") + u"|" +
                      core.folders().path().filename().u16string(),
                  u"|a.mp3\r\n|tavrosk core test") << what;
        EXPECT_TRUE(report.messages.empty()) << what;
    }
    std::filesystem::remove_all(folder);
}

// A field with the tool's own undo, its control showing nothing.
struct Field final : UndoableTextField {
    explicit Field(std::size_t budget) : UndoableTextField(u"", budget) {}
    void show(const TextChange&) override {}
    using UndoableTextField::changedByUser;
};

// Writes each text in turn (a leading '+' marks the user's edit), then runs the
// steps ('u' undo, 'r' redo, 'w' a command's write of "new") and expects
// the text after each.
struct Case {
    const char* what;
    std::vector<std::u16string> writes;
    const char* steps;
    std::vector<std::u16string> expected;
    std::size_t budget = TextHistory::kDefaultBudget;
};

const std::u16string kList = u"a.mp3\rb.wav\n c\u00A0.mid\r\n曲\xD800.ogg\r\n", kTitles = u"a\r夜明けの歌\n 曲名\u00A0\r\n";

const Case kCases[] = {
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
    for (const Case& c : kCases) {
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

// What both windows share below them: the text field with the tool's own
// undo.
#include "commands/UndoableTextField.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

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

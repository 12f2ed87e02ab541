#include "commands/TextHistory.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrosk::test {
namespace {

// A field that keeps its text and its history as the windows' fields do.
struct Field {
    std::u16string text;
    TextHistory history;
    void write(const std::u16string& next, bool byUser = false) {
        byUser ? history.recordEdit(ChangeBetween(text, next)) : history.recordWrite(ChangeBetween(text, next));
        text = next;
    }
    void apply(const std::optional<TextChange>& change) {
        if (change)
            text.replace(change->at, change->removed.size(), change->inserted);
    }
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

const std::u16string kList = u"a.mp3\rb.wav\n c\u00A0.mid\r\n", kTitles = u"a\rb\n c\u00A0\r\n";

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

TEST(TextHistory, UndoAndRedoGiveEveryTextBackWithinTheBudget) {
    for (const Case& c : kCases) {
        Field field{u"", TextHistory(c.budget)};
        for (const std::u16string& text : c.writes)
            text.starts_with(u'+') ? field.write(text.substr(1), true) : field.write(text);
        std::vector<std::u16string> seen;
        for (const char* step = c.steps; *step; ++step) {
            *step == 'w' ? field.write(u"new")
                         : field.apply(*step == 'u' ? field.history.undo(field.text) : field.history.redo(field.text));
            seen.push_back(field.text);
        }
        EXPECT_EQ(seen, c.expected) << c.what;
    }
}

} // namespace
} // namespace tavrosk::test

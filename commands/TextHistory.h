#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tavrosk {

// One change of a text field's content: from position at, the text removed
// gave way to the text inserted.
struct TextChange {
    std::size_t at = 0;
    std::u16string removed;
    std::u16string inserted;
};

// The change that turns before into after: what lies between their common
// beginning and their common end.
TextChange ChangeBetween(std::u16string_view before, std::u16string_view after);

// A text field's undo and redo, kept by the program rather than the
// control, so that a command's write of the whole list is one step like the
// user's typing, and the text comes back exactly (lone CR and LF included).
//
// Each step keeps the text it replaced once: an undo step what the change
// removed, a redo step what the undo removed. What the steps hold is bounded
// by a budget of code units: past it the oldest steps go, and the newest
// step is always kept.
class TextHistory {
public:
    // 4 Mi code units: at most 8 MB of text, about half that for Latin
    // names (see HeldText).
    static constexpr std::size_t kDefaultBudget = std::size_t{4} << 20;

    explicit TextHistory(std::size_t budget = kDefaultBudget) : budget_(budget) {}

    // A change the program made (a command's write): a step of its own.
    // Like every new change, it drops the steps that could be redone.
    void recordWrite(TextChange change) { record(std::move(change), false); }
    // A change the user made. One character typed or deleted (Backspace,
    // Delete) that carries on the typing of the last step joins that step;
    // a paste, a cut or a line break is a step of its own.
    void recordEdit(TextChange change) {
        const bool typed = change.removed.size() + change.inserted.size() == 1;
        record(std::move(change), typed);
    }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

    // The change that takes the last step back, given the field's text now;
    // the field is to make it. Nothing when there is no step.
    std::optional<TextChange> undo(std::u16string_view text);
    // The change that makes the last undone step again.
    std::optional<TextChange> redo(std::u16string_view text);

private:
    // A step's text in the smaller of two exact forms: each code unit as the
    // one to three bytes UTF-8 writes a code point of that value in (a file
    // list, mostly ASCII, takes about half the memory), or the units as they
    // are. Either gives back the very units it was made from, a lone
    // surrogate included.
    class HeldText {
    public:
        explicit HeldText(std::u16string_view text = {});
        std::u16string text() const;
        std::size_t size() const { return size_; }  // in code units

    private:
        std::string bytes_;
        std::size_t size_;
        bool packed_;
    };

    struct Step {
        std::size_t at;
        HeldText text;              // what the step's change replaced
        std::size_t changedLength;  // the length of what it put there
        bool typed;
    };

    void record(TextChange change, bool typed);
    std::optional<TextChange> takeBack(std::deque<Step>& from, std::deque<Step>& to, std::u16string_view text);
    // Drops the oldest undo steps while past the budget, keeping the newest
    // keep of them.
    void trim(std::size_t keep);

    std::size_t budget_;
    std::deque<Step> undo_, redo_;
    std::size_t held_ = 0;
};

} // namespace tavrosk

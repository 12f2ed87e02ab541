#pragma once

#include "commands/TextHistory.h"
#include "model/TextField.h"

namespace tavrosk {

// A text field whose undo is the tool's own (TextHistory) rather than the
// control's, as both windows have Text1: it keeps the field's text, so that
// reading it costs no trip to the control, and the history of the
// commands' writes and the user's edits. A window's control only shows
// each change and says when the user changed the text.
class UndoableTextField : public TextField {
public:
    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override { make(ChangeBetween(text_, text)); }
    void append(std::u16string_view tail) override { make({text_.size(), {}, std::u16string(tail)}); }

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    void undo() { step(history_.undo(text_)); }
    void redo() { step(history_.redo(text_)); }

protected:
    explicit UndoableTextField(std::u16string text, std::size_t budget = TextHistory::kDefaultBudget)
        : text_(std::move(text)), history_(budget) {}

    // The user changed the control's text to now (typed, pasted, cut).
    void changedByUser(std::u16string now);
    // Shows the change in the control; current() already holds the result.
    virtual void show(const TextChange& change) = 0;
    const std::u16string& current() const { return text_; }

private:
    void make(TextChange change);
    void step(const std::optional<TextChange>& change);

    std::u16string text_;
    TextHistory history_;
};

} // namespace tavrosk

#include "commands/UndoableTextField.h"

#include <utility>

namespace tavrosk {

void UndoableTextField::make(TextChange change) {
    if (change.removed.empty() && change.inserted.empty())
        return;
    text_.replace(change.at, change.removed.size(), change.inserted);
    show(change);
    history_.recordWrite(std::move(change));
}

void UndoableTextField::step(const std::optional<TextChange>& change) {
    if (!change)
        return;
    text_.replace(change->at, change->removed.size(), change->inserted);
    show(*change);
}

void UndoableTextField::changedByUser(std::u16string now) {
    TextChange change = ChangeBetween(text_, now);
    text_ = std::move(now);
    if (!change.removed.empty() || !change.inserted.empty())
        history_.recordEdit(std::move(change));
}

} // namespace tavrosk

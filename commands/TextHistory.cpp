#include "commands/TextHistory.h"

#include <algorithm>

namespace tavrosk {

TextChange ChangeBetween(std::u16string_view before, std::u16string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    const std::size_t prefix =
        static_cast<std::size_t>(std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(shorter),
                                               after.begin())
                                     .first -
                                 before.begin());
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {prefix, std::u16string(before.substr(prefix, before.size() - prefix - suffix)),
            std::u16string(after.substr(prefix, after.size() - prefix - suffix))};
}

void TextHistory::record(TextChange change, bool typed) {
    for (const Step& step : redo_)
        held_ -= step.text.size();
    redo_.clear();
    if (typed && !undo_.empty() && undo_.back().typed) {
        Step& last = undo_.back();
        // Typing on at the end of what was typed, or Backspace and Delete
        // carrying on where they stopped.
        if (change.removed.empty() && change.at == last.at + last.changedLength) {
            last.changedLength += change.inserted.size();
            return;
        }
        if (change.inserted.empty() && last.changedLength == 0 && change.at + change.removed.size() == last.at) {
            last.at = change.at;
            last.text.insert(0, change.removed);
            held_ += change.removed.size();
            return;
        }
        if (change.inserted.empty() && last.changedLength == 0 && change.at == last.at) {
            last.text += change.removed;
            held_ += change.removed.size();
            return;
        }
    }
    held_ += change.removed.size();
    undo_.push_back({change.at, std::move(change.removed), change.inserted.size(), typed});
    trim();
}

std::optional<TextChange> TextHistory::takeBack(std::deque<Step>& from, std::deque<Step>& to,
                                                std::u16string_view text) {
    if (from.empty())
        return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    TextChange change{step.at, std::u16string(text.substr(step.at, step.changedLength)), std::move(step.text)};
    to.push_back({change.at, change.removed, change.inserted.size(), false});
    // The step now holds what the field gives up rather than what it gets.
    held_ -= change.inserted.size();
    held_ += change.removed.size();
    return change;
}

std::optional<TextChange> TextHistory::undo(std::u16string_view text) {
    return takeBack(undo_, redo_, text);
}

std::optional<TextChange> TextHistory::redo(std::u16string_view text) {
    std::optional<TextChange> change = takeBack(redo_, undo_, text);
    trim();
    return change;
}

void TextHistory::trim() {
    while (held_ > budget_ && undo_.size() > 1) {
        held_ -= undo_.front().text.size();
        undo_.pop_front();
    }
}

} // namespace tavrosk

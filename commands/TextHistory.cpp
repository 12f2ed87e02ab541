#include "commands/TextHistory.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tavrosk {

namespace {

// The bytes a code unit takes packed: as many as UTF-8 writes a code point
// of that value in.
std::size_t packedLength(char16_t unit) {
    return 1 + (unit >= 0x80) + (unit >= 0x800);
}

// Whether the four units from there on are all ASCII, one byte each: file
// names mostly are, and four are tested at once.
bool fourAscii(const char16_t* units) {
    std::uint64_t four;
    std::memcpy(&four, units, sizeof four);
    return (four & 0xFF80FF80FF80FF80u) == 0;
}

} // namespace

TextHistory::HeldText::HeldText(std::u16string_view text) : size_(text.size()) {
    std::size_t packedSize = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (i + 4 <= text.size() && fourAscii(text.data() + i)) {
            packedSize += 4;
            i += 4;
        } else {
            packedSize += packedLength(text[i++]);
        }
    }
    packed_ = packedSize < text.size() * sizeof(char16_t);
    if (!packed_) {
        bytes_.resize(text.size() * sizeof(char16_t));
        std::memcpy(bytes_.data(), text.data(), bytes_.size());
        return;
    }
    bytes_.resize(packedSize);
    char* byte = bytes_.data();
    for (std::size_t i = 0; i < text.size();) {
        if (i + 4 <= text.size() && fourAscii(text.data() + i)) {
            for (const std::size_t end = i + 4; i < end; ++i)
                *byte++ = static_cast<char>(text[i]);
            continue;
        }
        const char16_t unit = text[i++];
        switch (packedLength(unit)) {
        case 1:
            *byte++ = static_cast<char>(unit);
            break;
        case 2:
            *byte++ = static_cast<char>(0xC0 | unit >> 6);
            *byte++ = static_cast<char>(0x80 | (unit & 0x3F));
            break;
        default:
            *byte++ = static_cast<char>(0xE0 | unit >> 12);
            *byte++ = static_cast<char>(0x80 | (unit >> 6 & 0x3F));
            *byte++ = static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
}

std::u16string TextHistory::HeldText::text() const {
    std::u16string text(size_, u'\0');
    if (!packed_) {
        std::memcpy(text.data(), bytes_.data(), bytes_.size());
        return text;
    }
    const auto* byte = reinterpret_cast<const unsigned char*>(bytes_.data());
    for (char16_t& unit : text) {
        if (byte[0] < 0x80) {
            unit = byte[0];
            byte += 1;
        } else if (byte[0] < 0xE0) {
            unit = static_cast<char16_t>((byte[0] & 0x1F) << 6 | (byte[1] & 0x3F));
            byte += 2;
        } else {
            unit = static_cast<char16_t>((byte[0] & 0x0F) << 12 | (byte[1] & 0x3F) << 6 | (byte[2] & 0x3F));
            byte += 3;
        }
    }
    return text;
}

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
            last.text = HeldText(change.removed + last.text.text());
            held_ += change.removed.size();
            return;
        }
        if (change.inserted.empty() && last.changedLength == 0 && change.at == last.at) {
            last.text = HeldText(last.text.text() + change.removed);
            held_ += change.removed.size();
            return;
        }
    }
    held_ += change.removed.size();
    // The oldest steps go before the new one is made, which can then take
    // their memory rather than fresh pages.
    trim(0);
    undo_.push_back({change.at, HeldText(change.removed), change.inserted.size(), typed});
}

std::optional<TextChange> TextHistory::takeBack(std::deque<Step>& from, std::deque<Step>& to,
                                                std::u16string_view text) {
    if (from.empty())
        return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    TextChange change{step.at, std::u16string(text.substr(step.at, step.changedLength)), step.text.text()};
    to.push_back({change.at, HeldText(change.removed), change.inserted.size(), false});
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
    trim(1);
    return change;
}

void TextHistory::trim(std::size_t keep) {
    while (held_ > budget_ && undo_.size() > keep) {
        held_ -= undo_.front().text.size();
        undo_.pop_front();
    }
}

} // namespace tavrosk

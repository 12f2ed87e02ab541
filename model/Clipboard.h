#pragma once

#include <string>

namespace tavrosk {

// The system clipboard, as the commands use it.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Empties the clipboard of all formats.
    virtual void clear() = 0;
    // Puts the text on the clipboard as plain text, exactly as given.
    virtual void setText(const std::u16string& text) = 0;
    // Whether the clipboard now holds plain text to paste (asked afresh each
    // time). An empty text may count as none: there is nothing to paste.
    virtual bool hasPlainText() const = 0;
};

} // namespace tavrosk

#pragma once

#include <string>
#include <string_view>

namespace tavrosk {

// A text field of the window (the list being built, or the extra extension).
// Text is UTF-16, the same code units the user typed; nothing is normalised.
class TextField {
public:
    virtual ~TextField() = default;

    virtual std::u16string text() const = 0;
    // Replaces the whole content.
    virtual void setText(const std::u16string& text) = 0;
    // Adds text at the end, in time proportional to what is added.
    virtual void append(std::u16string_view tail) = 0;
};

} // namespace tavrosk

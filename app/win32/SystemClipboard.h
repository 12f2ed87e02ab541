#pragma once

#include "model/Clipboard.h"

#include <windows.h>

namespace tavrosk::win32 {

// The Windows clipboard, as CF_UNICODETEXT. Another program may hold it open
// for a moment; opening it is retried briefly before that counts as a
// failure.
class SystemClipboard final : public Clipboard {
public:
    explicit SystemClipboard(HWND owner) : owner_(owner) {}

    void clear() override;
    void setText(const std::u16string& text) override;
    bool hasPlainText() const override;

private:
    void open();

    HWND owner_;
};

} // namespace tavrosk::win32

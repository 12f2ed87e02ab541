#pragma once

#include "model/Clipboard.h"

namespace tavrosk::qt {

// The system clipboard (on X11 the CLIPBOARD selection), plain text only.
class SystemClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const std::u16string& text) override;
    bool hasPlainText() const override;

private:
    // The program that held the clipboard before the copy began: the clear
    // before a copy makes this program the owner for a moment.
    unsigned holderBefore_ = 0;
};

} // namespace tavrosk::qt

#pragma once

#include "model/Clipboard.h"

namespace tavrosk::qt {

// The system clipboard (on X11 the CLIPBOARD selection), plain text only.
class SystemClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const std::u16string& text) override;
    bool hasPlainText() const override;
};

} // namespace tavrosk::qt

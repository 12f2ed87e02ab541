#pragma once

#include "model/TextField.h"

#include <windows.h>

namespace tavrosk::win32 {

// Text1 and Text2: an edit control. Its text is UTF-16 with CR LF line
// breaks, the list's own form, so it is read and written unchanged.
class EditField final : public TextField {
public:
    explicit EditField(HWND edit) : edit_(edit) {}

    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    // One replace-selection at the end: a single undo step, and no rewrite
    // of what the field already holds.
    void append(std::u16string_view tail) override;

private:
    HWND edit_;
};

} // namespace tavrosk::win32

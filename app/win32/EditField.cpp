#include "app/win32/EditField.h"

#include "app/win32/WideText.h"

namespace tavrosk::win32 {

std::u16string EditField::text() const {
    return windowText(edit_);
}

void EditField::setText(const std::u16string& text) {
    SetWindowTextW(edit_, wide(text));
}

void EditField::append(std::u16string_view tail) {
    if (tail.empty())
        return;
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit_));
    SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
    const std::u16string text(tail);
    SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(text)));
}

} // namespace tavrosk::win32

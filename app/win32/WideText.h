#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tavrosk::win32 {

// The core's text is UTF-16 as char16_t, the Windows API's is wchar_t: the
// same code units on Windows, so they are only reinterpreted.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is UTF-16 on Windows");

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A window's whole text (its caption, or an edit control's content).
inline std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return std::u16string(text.begin(), text.end());
}

} // namespace tavrosk::win32

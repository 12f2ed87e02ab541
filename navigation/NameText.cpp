#include "navigation/NameText.h"

namespace tavrosk {

std::string PathCause(const std::filesystem::path& path) {
    const std::u16string text = PathText(path);
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;  // a surrogate without its pair, which Windows' names may hold
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | c >> 12);
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | c >> 18);
            utf8 += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::u16string DisplayName(std::u16string name) {
    for (char16_t& c : name) {
        if (c < 0x20)
            c = static_cast<char16_t>(0x2400 + c);  // ␀ … ␟
        else if (c == 0x7F)
            c = u'\u2421';  // ␡
        else if (c == 0x85 || c == 0x2028 || c == 0x2029)
            c = u'\u2424';  // ␤
    }
    return name;
}

} // namespace tavrosk

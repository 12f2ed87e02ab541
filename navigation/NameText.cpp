#include "navigation/NameText.h"

#include "model/OperationFailed.h"

#include <cstdint>
#include <string_view>

namespace tavrosk {

namespace {

#ifndef _WIN32
constexpr char16_t kReplacement = u'\uFFFD';

// File names on POSIX systems are bytes, UTF-8 by convention. Decodes them,
// turning each maximal invalid subsequence into one U+FFFD.
std::u16string decodeUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 1) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        std::uint32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        std::size_t taken = 1;
        for (; length != 0 && taken < length && i + taken < bytes.size(); ++taken) {
            const auto next = static_cast<unsigned char>(bytes[i + taken]);
            // The second byte's range also rules out overlong forms, surrogates
            // and code points above U+10FFFF.
            const unsigned char low = taken == 1 && lead == 0xE0 ? 0xA0 : taken == 1 && lead == 0xF0 ? 0x90 : 0x80;
            const unsigned char high = taken == 1 && lead == 0xED ? 0x9F : taken == 1 && lead == 0xF4 ? 0x8F : 0xBF;
            if (next < low || next > high)
                break;
            code = code << 6 | (next & 0x3F);
        }
        if (length == 0 || taken < length) {
            out += kReplacement;
            i += length == 0 ? 1 : taken;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += length;
    }
    return out;
}
#endif

} // namespace

std::u16string PathText(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.u16string();
#else
    return decodeUtf8(path.native());
#endif
}

std::filesystem::path PathFromText(const std::u16string& text) {
    try {
        return std::filesystem::path(text);
    } catch (const std::exception& e) {
        throw OperationFailed(u"フォルダ「" + text + u"」を開けません。\nフォルダ名に使えない文字が含まれています。",
                              e.what());
    }
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

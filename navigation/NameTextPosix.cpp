// How a path reads as text on POSIX systems, whose names are bytes.
#include "navigation/NameText.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include <iconv.h>

namespace tavrosk {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// File names on POSIX systems are bytes, UTF-8 by convention. Decodes them,
// turning each maximal invalid subsequence into one U+FFFD; wellFormed (if
// given) tells whether there was none.
std::u16string decodeUtf8(std::string_view bytes, bool* wellFormed = nullptr) {
    if (wellFormed)
        *wellFormed = true;
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
            if (wellFormed)
                *wellFormed = false;
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

// Names made on Japanese Windows (archives, old CDs, FAT media) are CP932
// bytes. Read as CP932, the bytes must hold a kana or a first-level (common)
// kanji, lead bytes 82, 83 and 88..98, and nothing from the user-defined
// area (F0..F9). Bytes that fit CP932 by chance mostly fail that: Latin-1
// capitals with accents read as half-width katakana ("\xC4\xD6\xDC" is
// "ÄÖÜ", not "ﾄﾖﾜ"), its small letters and broken UTF-8 as second-level
// kanji (lead bytes E0..EA).
bool readsAsJapanese(std::string_view bytes) {
    bool common = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x81 || (lead >= 0xA1 && lead <= 0xDF))
            continue;  // ASCII, half-width katakana
        if (lead >= 0xF0 && lead <= 0xF9)
            return false;
        common = common || lead == 0x82 || lead == 0x83 || (lead >= 0x88 && lead <= 0x98);
        ++i;  // the second byte of the character
    }
    return common;
}

std::optional<std::u16string> decodeCp932(std::string_view bytes) {
    const iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string utf8(bytes.size() * 3, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    const bool converted = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    // Only whole CP932 is read by the rule above.
    if (!converted || !readsAsJapanese(bytes))
        return std::nullopt;
    utf8.resize(utf8.size() - outLeft);
    return decodeUtf8(utf8);
}

// One name of a path: UTF-8, else CP932 by the rule above, else UTF-8 with
// U+FFFD.
std::u16string decodeName(std::string_view bytes) {
    bool wellFormed = true;
    std::u16string text = decodeUtf8(bytes, &wellFormed);
    if (!wellFormed) {
        if (std::optional<std::u16string> legacy = decodeCp932(bytes))
            return *std::move(legacy);
    }
    return text;
}

} // namespace

std::u16string PathText(const std::filesystem::path& path) {
    // Each name on its own: a CP932 folder may sit inside UTF-8 ones. The
    // separator '/' is never the second byte of a CP932 character.
    const std::string_view bytes = path.native();
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(bytes.find('/', start), bytes.size());
        text += decodeName(bytes.substr(start, end - start));
        if (end == bytes.size())
            return text;
        text += u'/';
        start = end + 1;
    }
}

} // namespace tavrosk

#include "tags/TagText.h"

#include "tags/StrictDecode.h"

#include <algorithm>
#include <optional>

namespace tavrosk {

namespace {

bool isAscii(unsigned char b) {
    return b < 0x80;
}

bool isHalfWidthKana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// Splits the bytes into CP932 units and weighs how Japanese they look. A
// lead byte 81..9F is a C1 control in Latin-1, which real Latin-1 text never
// holds, and a run of half-width kana is a run of accented capitals in
// Latin-1, which is rare. A lone unit between ASCII is an accented letter in
// a Latin word: "Ça va" (C7, a half-width kana), "Crème" (E8 6D, a lead byte
// with an ASCII second byte). False when the bytes do not split into units,
// or hold a user-defined lead byte (F0..F9).
bool looksJapanese(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    int japanese = 0, latin = 0;
    std::size_t run = 0, kanaRun = 0;  // units since the last ASCII byte; half-width kana in a row
    const auto endKanaRun = [&] {
        japanese += kanaRun >= 2;
        kanaRun = 0;
    };
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isAscii(byte(i))) {
            endKanaRun();
            latin += run == 1;
            run = 0;
            continue;
        }
        const unsigned char lead = byte(i);
        ++run;
        if (isHalfWidthKana(lead)) {
            ++kanaRun;
            continue;
        }
        endKanaRun();
        const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        if (!isLead || (lead >= 0xF0 && lead <= 0xF9) || i + 1 == text.size())
            return false;
        const unsigned char trail = byte(++i);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
            return false;
        if (lead <= 0x9F) {
            ++japanese;
            run = 2;  // never lone: Latin-1 has no such byte
        }
    }
    return japanese > 0 && japanese >= latin;
}

bool hasPrivateUse(const std::u16string& text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0xE000 && c <= 0xF8FF; });
}

} // namespace

std::u16string Latin1FieldText(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    if (std::all_of(text.begin(), text.end(), [](char c) { return isAscii(static_cast<unsigned char>(c)); }))
        return std::u16string(text.begin(), text.end());
    if (std::optional<std::u16string> utf8 = StrictDecode(text, Encoding::Utf8))
        return *std::move(utf8);
    if (looksJapanese(text))
        if (std::optional<std::u16string> cp932 = StrictDecode(text, Encoding::Cp932); cp932 && !hasPrivateUse(*cp932))
            return *std::move(cp932);
    std::u16string latin1;
    latin1.reserve(text.size());
    for (const char c : text)
        latin1 += static_cast<char16_t>(static_cast<unsigned char>(c));
    return latin1;
}

} // namespace tavrosk

#include "navigation/NameText.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

TEST(NameText, ShowsEveryNameAsOneLineOfText) {
    const struct {
        std::string bytes;
        std::u16string shown;
    } cases[] = {
        {"曲 01.mp3", u"曲 01.mp3"},
        {"\xF0\x9F\x8E\xB5.wav", u"\U0001F3B5.wav"},
        {"a\xE6\x9Bx", u"a\uFFFDx"},               // a broken sequence is one replacement
        {"\xC0\xAF", u"\uFFFD\uFFFD"},             // overlong form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},   // encoded surrogate
        {"a\nb\r\t.mp3\x7f", u"a␊b␍␉.mp3␡"},
        {"x\u2028y\u0085z", u"x␤y␤z"},
        // Not UTF-8 but plainly CP932: legacy Japanese names.
        {"\x96\xE9\x96\xBE\x82\xAF\x82\xCC\x89\xCC.mp3", u"夜明けの歌.mp3"},
        {"\x83\x5C\x83\x93\x83\x4F \x82\x50.wav", u"ソング １.wav"},   // trail bytes in the ASCII range
        {"\xC4\xD6\xDC.mp3", u"\uFFFD\uFFFD\uFFFD.mp3"},               // Latin-1 "ÄÖÜ", not half-width katakana
        {"Album \xFF\xFE bad", u"Album \uFFFD\uFFFD bad"},              // neither reading fits
        {"\xF0\x40 x", u"\uFFFD@ x"},                                   // CP932's user-defined area
        {"Fran\xE7oise", u"Fran\uFFFDoise"},                             // Latin-1, not a second-level kanji
        {"/\xE9\x9F\xB3\xE6\xA5\xBD/\x89\xB9\x8A\x79/x\xC4", u"/音楽/音楽/x\uFFFD"},  // each folder on its own
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayName(PathText(c.bytes)), c.shown) << c.bytes;
}

} // namespace
} // namespace tavrosk::test

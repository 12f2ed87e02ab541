#include "navigation/NameText.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

// Names as raw bytes, and the text the lists show and append for them.
TEST(PathText, ReadsUtf8ThenPlainCp932AndMarksTheRest) {
    const struct {
        const char* bytes;
        std::u16string text;
    } cases[] = {
        {"\x96\xE9\x96\xBE\x82\xAF\x82\xCC\x89\xCC.mp3", u"夜明けの歌.mp3"},
        {"\x83\x5C\x83\x93\x83\x4F \x82\x50.wav", u"ソング １.wav"},   // trail bytes in the ASCII range
        {"\xE5\xA4\x9C\xE6\x98\x8E\xE3\x81\x91.mp3", u"夜明け.mp3"},   // UTF-8 stays UTF-8
        {"\xC4\xD6\xDC.mp3", u"\uFFFD\uFFFD\uFFFD.mp3"},               // Latin-1 "ÄÖÜ", not half-width katakana
        {"Album \xFF\xFE bad", u"Album \uFFFD\uFFFD bad"},              // neither reading fits
        {"\xF0\x40 x", u"\uFFFD@ x"},                                   // CP932's user-defined area
        {"Fran\xE7oise", u"Fran\uFFFDoise"},                             // Latin-1, not a second-level kanji
        {"/\xE9\x9F\xB3\xE6\xA5\xBD/\x89\xB9\x8A\x79/x\xC4", u"/音楽/音楽/x\uFFFD"},  // each folder on its own
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathText(std::filesystem::path(c.bytes)), c.text) << c.bytes;
}

} // namespace
} // namespace tavrosk::test

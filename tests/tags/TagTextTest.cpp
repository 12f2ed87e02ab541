// Fields marked Latin-1: CP932 bytes read as Japanese, real Latin-1 and
// UTF-8 left as they are, through the platform's own converter.
#include "tags/TagText.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

const struct {
    const char* what;
    std::string_view bytes;
    std::u16string_view expected;
} kCases[] = {
    {"ASCII", "Intro", u"Intro"},
    {"CP932 kanji and kana", "\x96\xE9\x96\xBE\x82\xAF\x82\xCC\x83\x58\x83\x4C\x83\x83\x83\x62\x83\x67",
     u"夜明けのスキャット"},
    {"CP932 among ASCII", "01 \x89\xCC Mix", u"01 歌 Mix"},
    {"CP932 full-width Latin", "\x82\x61\x82\x85\x82\x93\x82\x94", u"Ｂｅｓｔ"},
    {"a run of half-width kana", "\xC3\xBD\xC4 1", u"ﾃｽﾄ 1"},
    {"NUL padding cut off", std::string_view("\x89\xCC\0\0\0", 5), u"歌"},
    {"Latin-1: more lone accents than runs of capitals", "\xC9T\xC9 \xC0\xC9", u"ÉTÉ ÀÉ"},
    {"Latin-1: a lead byte at the end", "Caf\xE9", u"Café"},
    {"Latin-1: a lead byte with an ASCII second byte", "Cr\xE8me", u"Crème"},
    {"Latin-1: a lone half-width kana between ASCII", "\xC7""a va", u"Ça va"},
    {"Latin-1: accents across a word", "D\xE9j\xE0 vu", u"Déjà vu"},
    {"Latin-1: a lone small letter as a CP932 lead", "na\xEFve", u"naïve"},
    {"Latin-1: two accented letters reading as a rare kanji", "\xE9\xE9", u"éé"},
    {"Latin-1: a user-defined lead byte", "\xF0\x40", u"ð@"},
    {"Latin-1: no CP932 second byte", "\x81\x20", u"\u0081 "},
    {"UTF-8 stays UTF-8", "Ça va \xE5\xA4\x9C", u"Ça va 夜"},
};

TEST(Latin1FieldText, ReadsCp932WhereItLooksJapaneseAndLatin1Elsewhere) {
    for (const auto& c : kCases)
        EXPECT_EQ(Latin1FieldText(c.bytes), c.expected) << c.what;
}

} // namespace
} // namespace tavrosk::test

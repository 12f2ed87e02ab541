#include "commands/ExtensionStripping.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrosk::test {
namespace {

TEST(StripExtensions, TurnsNamesIntoTitles) {
    const struct {
        std::u16string list, typed, expected;
    } cases[] = {
        {u"01 Intro.mp3\r\n02 Song.WAV\r\n", u"", u"01 Intro\r\n02 Song\r\n"},
        {u"a.Mp3\r\nb.wMa\r\n", u"", u"a.Mp3\r\nb.wMa\r\n"},
        {u"my.wave.mp3", u"", u"mye"},
        {u"D:\\old.wav\\x\r\n", u"", u"D:\\old\\x\r\n"},
        {u"a.wma b.WMA c.mid d.MID e.MP3", u"", u"a b c d e"},
        {u"x.w.wavav", u"", u"x.wav"},
        {u"x.MP.mp33", u"", u"x"},
        {u"b.ogg\r\n", u"ogg", u"b\r\n"},
        {u"b.ogg\r\n", u".ogg", u"b.ogg\r\n"},
        {u"b.ogg\r\nc. \r\n", u" ", u"b.ogg\r\nc\r\n"},
        {u"b.wav.wav\r\n", u"wav", u"b\r\n"},
        {u"曲.flac.mp3", u"flac", u"曲"},
        {u"", u"ogg", u""},
    };
    for (const auto& c : cases) {
        FakeForm form;
        form.text1.value = c.list;
        form.text2.value = c.typed;
        StripExtensions(form.state);
        EXPECT_EQ(form.text1.value, c.expected);
        EXPECT_EQ(form.text2.value, c.typed);
        // One write, or none when nothing changed: each strip is one step to undo.
        EXPECT_EQ(std::count(form.log.calls.begin(), form.log.calls.end(), "text1.setText"), c.list != c.expected);
    }
}

} // namespace
} // namespace tavrosk::test

#include "commands/ExtensionStripping.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tavrosk::test {
namespace {

// The removal as a user would define it: at each position either the pattern
// matches and is skipped, or one character is kept.
std::u16string removeEach(const std::u16string& text, const std::u16string& pattern) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        if (!pattern.empty() && text.compare(i, pattern.size(), pattern) == 0)
            i += pattern.size();
        else
            out += text[i++];
    }
    return out;
}

// The eight fixed patterns in their order, then the typed one.
std::u16string stripByDefinition(std::u16string list, const std::u16string& typed) {
    for (const char16_t* pattern : {u".wav", u".WAV", u".wma", u".WMA", u".mp3", u".MP3", u".mid", u".MID"})
        list = removeEach(list, pattern);
    return typed.empty() ? list : removeEach(list, u"." + typed);
}

struct Stripped {
    std::u16string text1;
    std::size_t writes;
};

Stripped strip(const std::u16string& list, const std::u16string& typed) {
    FakeForm form;
    form.text1.value = list;
    form.text2.value = typed;
    StripExtensions(form.state);
    EXPECT_EQ(form.text2.value, typed) << "Text2 is never changed";
    return {form.text1.value, static_cast<std::size_t>(std::count(form.log.calls.begin(), form.log.calls.end(),
                                                                  "text1.setText"))};
}

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
        const Stripped result = strip(c.list, c.typed);
        EXPECT_EQ(result.text1, c.expected);
        // One write, or none when nothing changed: each strip is one step to undo.
        EXPECT_EQ(result.writes, c.list == c.expected ? 0u : 1u);
    }
}

TEST(StripExtensions, AgreesWithTheDefinitionOnRandomText) {
    std::mt19937 random(20261207);
    const std::u16string alphabet = u".wavWAVmp3MP3idID\r\n";
    const auto randomText = [&](std::size_t maxLength) {
        std::u16string s(random() % (maxLength + 1), u' ');
        for (char16_t& c : s)
            c = alphabet[random() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 5000; ++round) {
        const std::u16string list = randomText(40);
        const std::u16string typed = randomText(3);
        ASSERT_EQ(strip(list, typed).text1, stripByDefinition(list, typed)) << "round " << round;
    }
}

TEST(StripExtensions, AFailingReadOfText2KeepsTheFixedExtensionsRemoved) {
    FakeForm form;
    form.text1.value = u"a.mp3 b.ogg";
    form.text2.value = u"ogg";
    form.log.failAt = 1;
    EXPECT_THROW(StripExtensions(form.state), OperationFailed);
    EXPECT_EQ(form.text1.value, u"a b.ogg");
}

} // namespace
} // namespace tavrosk::test

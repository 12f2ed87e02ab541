#include "commands/ExtensionStripping.h"

#include "Fakes.h"

#include <gtest/gtest.h>

#include <random>

namespace tavrosk::test {
namespace {

std::u16string strip(std::u16string list, std::u16string extra = u"") {
    FakeForm form;
    form.text1.value = std::move(list);
    form.text2.value = extra;
    StripExtensions(form.state);
    EXPECT_EQ(form.text2.value, extra) << "Text2 is never changed";
    return form.text1.value;
}

TEST(RemoveAll, ScansLeftToRightWithoutReexaminingJoinedText) {
    EXPECT_EQ(RemoveAll(u"x.w.wavav", u".wav"), u"x.wav");
    EXPECT_EQ(RemoveAll(u"aaaa", u"aa"), u"");
    EXPECT_EQ(RemoveAll(u"aaa", u"aa"), u"a");
    EXPECT_EQ(RemoveAll(u"abc", u""), u"abc");
    EXPECT_EQ(RemoveAll(u"", u".mp3"), u"");
    EXPECT_EQ(RemoveAll(u"曲.mp3曲.mp3", u".mp3"), u"曲曲");
}

// The straightforward definition: at each position either the pattern
// matches and is skipped, or one character is kept.
std::u16string referenceRemoveAll(const std::u16string& text, const std::u16string& pattern) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        if (!pattern.empty() && text.compare(i, pattern.size(), pattern) == 0) {
            i += pattern.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

TEST(RemoveAll, AgreesWithTheReferenceOnRandomText) {
    std::mt19937 random(20261207);
    const std::u16string alphabet = u"ab.\r\n";
    auto randomText = [&](std::size_t maxLength) {
        std::u16string s(random() % (maxLength + 1), u'a');
        for (char16_t& c : s)
            c = alphabet[random() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::u16string text = randomText(24);
        const std::u16string pattern = randomText(3);
        ASSERT_EQ(RemoveAll(text, pattern), referenceRemoveAll(text, pattern))
            << "text of " << text.size() << " and pattern of " << pattern.size() << " units, round " << round;
    }
}

TEST(StripExtensions, RemovesTheFixedExtensionsAnywhereInExactCaseOnly) {
    EXPECT_EQ(strip(u"01 Intro.mp3\r\n02 Song.WAV\r\n"), u"01 Intro\r\n02 Song\r\n");
    EXPECT_EQ(strip(u"a.Mp3\r\nb.wMa\r\n"), u"a.Mp3\r\nb.wMa\r\n");
    EXPECT_EQ(strip(u"my.wave.mp3"), u"mye");
    EXPECT_EQ(strip(u"/old.wav/x\r\n"), u"/old/x\r\n");
    EXPECT_EQ(strip(u"a.wma b.WMA c.mid d.MID e.MP3"), u"a b c d e");
    EXPECT_EQ(strip(u""), u"");
}

TEST(StripExtensions, AppliesPatternsInOrderEachToThePreviousResult) {
    EXPECT_EQ(strip(u"x.MP.mp33"), u"x");
    EXPECT_EQ(strip(u"x.w.wavav"), u"x.wav") << ".wav is applied once, before .WAV";
    EXPECT_EQ(strip(u"x..WAVwav"), u"x.wav") << ".WAV joins the text into .wav, which was applied before";
}

TEST(StripExtensions, TypedExtensionIsAddedWithADotOnlyWhenNotEmpty) {
    EXPECT_EQ(strip(u"b.ogg\r\n", u"ogg"), u"b\r\n");
    EXPECT_EQ(strip(u"b.ogg\r\n", u".ogg"), u"b.ogg\r\n") << "the pattern is ..ogg";
    EXPECT_EQ(strip(u"b.ogg\r\nc. \r\n", u" "), u"b.ogg\r\nc\r\n") << "a blank counts as typed";
    EXPECT_EQ(strip(u"b.wav.wav\r\n", u"wav"), u"b\r\n");
    EXPECT_EQ(strip(u"b.OGG.ogg\r\n", u"OGG"), u"b.ogg\r\n");
    EXPECT_EQ(strip(u"song.flac.mp3", u"flac"), u"song");
}

TEST(StripExtensions, WritesTheFieldOnlyWhenSomethingChanged) {
    FakeForm form;
    form.text1.value = u"title\r\n";
    StripExtensions(form.state);
    EXPECT_EQ(form.log.calls, std::vector<std::string>({"text1.text", "text2.text"}));
}

TEST(StripExtensions, FailingTypedExtensionReadKeepsTheFixedOnesRemoved) {
    FakeForm form;
    form.text1.value = u"a.mp3 b.ogg";
    form.text2.value = u"ogg";
    form.log.failAt = 1;

    EXPECT_THROW(StripExtensions(form.state), OperationFailed);

    EXPECT_EQ(form.text1.value, u"a b.ogg");
}

} // namespace
} // namespace tavrosk::test

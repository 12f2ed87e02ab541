// Track numbers taken off the lines, and titles appended from the tags.
#include "commands/TagTitles.h"
#include "commands/TrackNumbers.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

struct Line {
    std::u16string_view line, expected;
};

const Line kLines[] = {
    {u"01 夜明けのスキャット", u"夜明けのスキャット"},
    {u"01. Intro", u"Intro"},
    {u"01 - Intro", u"Intro"},
    {u"01_Intro", u"Intro"},
    {u"01-Intro", u"Intro"},
    {u"1-05 Intro", u"Intro"},
    {u"(01) Intro", u"Intro"},
    {u"（０１）イントロ", u"イントロ"},
    {u"01．イントロ", u"イントロ"},
    {u"０３　さくら", u"さくら"},
    {u"12 Tonight", u"Tonight"},
    {u"7. Rings", u"Rings"},
    {u"001 Overture", u"Overture"},
    {u"01 2001年宇宙の旅", u"2001年宇宙の旅"},
    {u"01 -  Two  spaces  stay ", u"Two  spaces  stay "},
    // Left as they are.
    {u"7 Rings", u"7 Rings"},
    {u"1999", u"1999"},
    {u"2001年宇宙の旅", u"2001年宇宙の旅"},
    {u"19才", u"19才"},
    {u"1000 Miles", u"1000 Miles"},
    {u"101 Dalmatians", u"101 Dalmatians"},
    {u"3.14 Pi", u"3.14 Pi"},
    {u"1-800-273-8255", u"1-800-273-8255"},
    {u"01 ", u"01 "},
    {u"(2001) Live", u"(2001) Live"},
    {u"Track03", u"Track03"},
    {u" 01 Intro", u" 01 Intro"},
    {u"", u""},
};

TEST(TrackNumbers, TakeOnlyATrackNumberOffTheStart) {
    for (const Line& l : kLines)
        EXPECT_EQ(WithoutTrackNumber(l.line), l.expected) << std::string(l.line.begin(), l.line.end());
}

TEST(TrackNumbers, EveryLineInOneWriteWithItsLineBreak) {
    FakeForm form;
    form.text1.value = u"01 a\r\n02 b\r03 c\n1999\r\n04 d";
    RemoveTrackNumbers(form.state);
    EXPECT_EQ(form.text1.value, u"a\r\nb\rc\n1999\r\nd");
    EXPECT_EQ(std::count(form.log.calls.begin(), form.log.calls.end(), "text1.setText"), 1);
}

// The steps, cancelled before the given one.
struct CancelledSteps final : BackgroundSteps {
    bool run(std::size_t count, const std::function<void(std::size_t)>& step) override {
        for (std::size_t i = 0; i < std::min(count, before); ++i)
            step(i);
        return before >= count;
    }
    std::size_t before;
    explicit CancelledSteps(std::size_t before) : before(before) {}
};

TEST(TagTitles, EachSelectedFileGivesItsTitleOrItsNameInOneAppend) {
    FakeForm form;
    form.file1.names = {u"01 a.mp3", u"b.mp3", u"c.wav", u"d.ogg", u"e.mp3"};
    form.file1.selected = {true, false, true, true, true};
    FakeTitleReader titles;
    titles.titles = {{"01 a.mp3", u"夜明け"}, {"b.mp3", u"unselected"}, {"d.ogg", u" \u3000 "}, {"e.mp3", u" x\ny "}};
    form.text1.value = u"typed";
    StepsHere steps;
    AppendTitlesFromTags(form.state, titles, steps);
    EXPECT_EQ(form.text1.value, u"typed夜明け\r\nc.wav\r\nd.ogg\r\nx␊y\r\n");
    EXPECT_EQ(std::count(form.log.calls.begin(), form.log.calls.end(), "text1.append"), 1);
    EXPECT_FALSE(form.clipboard.content);

    CancelledSteps cancelled(2);
    AppendTitlesFromTags(form.state, titles, cancelled);
    EXPECT_EQ(form.text1.value, u"typed夜明け\r\nc.wav\r\nd.ogg\r\nx␊y\r\n") << "a cancelled read appends nothing";
}

} // namespace
} // namespace tavrosk::test

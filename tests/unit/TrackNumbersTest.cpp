// Track numbers taken off the lines, and titles appended from the tags.
#include "commands/TagTitles.h"
#include "commands/TrackNumbers.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

// A track number in each form it takes, with what parts it from the title.
const std::u16string_view kNumbers[] = {u"01 ", u"01. ", u"01 - ", u"01 -  ", u"01_", u"01-", u"1-05 ", u"(01) ",
                                        u"（０１）", u"01．", u"０３　", u"12 ", u"7. ", u"001 "};
// Left as they are: titles that start with a number, and numbers with no title.
const std::u16string_view kKept[] = {u"7 Rings", u"1999", u"2001年宇宙の旅", u"19才", u"1000 Miles",
                                     u"101 Dalmatians", u"3.14 Pi", u"1-800-273-8255", u"01 ", u"(2001) Live",
                                     u"Track03", u" 01 Intro", u""};

TEST(TrackNumbers, TakeOnlyATrackNumberOffTheStart) {
    for (const std::u16string_view number : kNumbers)
        for (const std::u16string_view title : {u"Intro", u"夜明けのスキャット", u"Two  spaces  stay "}) {
            const std::u16string line = std::u16string(number) + std::u16string(title);
            EXPECT_EQ(WithoutTrackNumber(line), title) << testing::PrintToString(line);
        }
    EXPECT_EQ(WithoutTrackNumber(u"01 2001年宇宙の旅"), u"2001年宇宙の旅");
    for (const std::u16string_view line : kKept)
        EXPECT_EQ(WithoutTrackNumber(line), line);
}

// The steps, cancelled by the user after the first.
struct CancelledSteps final : BackgroundSteps {
    bool run(std::size_t, const std::function<void(std::size_t)>& step) override {
        step(0);
        return false;
    }
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

    CancelledSteps cancelled;
    AppendTitlesFromTags(form.state, titles, cancelled);
    EXPECT_EQ(form.text1.value, u"typed夜明け\r\nc.wav\r\nd.ogg\r\nx␊y\r\n") << "a cancelled read appends nothing";
}

} // namespace
} // namespace tavrosk::test

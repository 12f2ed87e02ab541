#include "export/libreoffice/TextLines.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrosk::libreoffice {
namespace {

std::vector<std::u16string> lines(std::u16string_view text) {
    const auto views = splitLines(text);
    return {views.begin(), views.end()};
}

using Lines = std::vector<std::u16string>;

TEST(SplitLines, SplitsAtEveryLineBreakAndAddsNoRowForTheFinalOne) {
    EXPECT_EQ(lines(u"a\r\nb\nc\rd"), (Lines{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(lines(u"曲.mp3\n"), (Lines{u"曲.mp3"}));
    EXPECT_EQ(lines(u"a\r\n"), (Lines{u"a"}));
    EXPECT_EQ(lines(u"a\r"), (Lines{u"a"}));
    EXPECT_EQ(lines(u"a\n\nb\r\n\r\nc\r\rd\n\n"), (Lines{u"a", u"", u"b", u"", u"c", u"", u"d", u""}));
    EXPECT_TRUE(lines(u"").empty());
}

} // namespace
} // namespace tavrosk::libreoffice

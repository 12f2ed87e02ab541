// How the navigation reads names and paths: every name shown as one line of
// text, and the paths a drop's URI list names.
#include "navigation/HandedOver.h"
#include "navigation/NameText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A text/uri-list as file managers send it (RFC 2483), file:// URIs as in
// RFC 8089: escapes are bytes, and the bytes need not be UTF-8.
const struct {
    const char* uriList;
    std::vector<std::string> paths; // as bytes
} kUriCases[] = {
    {"file:///music/a%20b.mp3\r\n", {"/music/a b.mp3"}},
    {"file:///music/Album%20%FF%FE%20bad", {"/music/Album \xFF\xFE bad"}},
    {"file:///m/%E5%A4%9C%e6%98%8E.mp3", {"/m/\xE5\xA4\x9C\xE6\x98\x8E.mp3"}},
    {"file://localhost/m/x", {"/m/x"}},
    {"FILE:///m/x", {"/m/x"}},
    {"file:///m/a%3Fb%23c?query#part", {"/m/a?b#c"}},
    {"# from Nautilus\r\nfile:///a\r\nhttps://example.org/b\r\n\r\nfile:///c%25\n", {"/a", "/c%"}},
    {"file://otherhost/m/x\r\n", {}},
    {"file:///m/broken%2\r\nfile:///m/bad%GG\r\nfile:///m/nul%00x", {}},
    {"/m/plain path\r\nmusic.mp3", {}},
    {"", {}},
};

TEST(UriList, FileUrisBecomeTheirPathsAsBytes) {
    for (const auto& c : kUriCases) {
        std::vector<std::string> paths;
        for (const std::filesystem::path& path : PathsFromUriList(c.uriList))
            paths.push_back(path.native());
        EXPECT_EQ(paths, c.paths) << c.uriList;
    }
}

} // namespace
} // namespace tavrosk::test

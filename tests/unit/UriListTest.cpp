#include "navigation/HandedOver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrosk {

struct UriCase {
    const char* uriList;
    std::vector<std::string> paths; // as bytes
};

// A text/uri-list as file managers send it (RFC 2483), file:// URIs as in
// RFC 8089: escapes are bytes, and the bytes need not be UTF-8.
const UriCase kUriCases[] = {
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
    for (const UriCase& c : kUriCases) {
        std::vector<std::string> paths;
        for (const std::filesystem::path& path : PathsFromUriList(c.uriList))
            paths.push_back(path.native());
        EXPECT_EQ(paths, c.paths) << c.uriList;
    }
}

} // namespace tavrosk

// TagLib's titles from files made by make_tag_files.py, whose folder is the
// test's argument, and a corpus of damaged copies that must each give a
// title or none, never a crash or a hang.
#include "tags/TagLibTitleReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace tavrosk::test {

std::filesystem::path gFiles;  // set by main

namespace {

struct Case {
    const char* file;
    std::optional<std::u16string> title;
};

const Case kCases[] = {
    {"utf16.mp3", u"夜明けのスキャット"},
    {"utf8.mp3", u"Ça va 夜明け"},
    {"cp932.mp3", u"夜明けのスキャット"},
    {"latin1.mp3", u"Crème brûlée"},
    {"id3v1.mp3", u"スキャット"},
    {"info.wav", u"夜明けの歌"},
    {"m4a.m4a", u"エム・フォー・エー"},
    {"flac.flac", u"フラック"},
    {"ogg.ogg", u"オッグ"},
    {"untagged.mp3", std::nullopt},
    {"empty.mp3", std::nullopt},
    {"plain.wav", std::nullopt},
    {"zero.mp3", std::nullopt},
    {"huge.mp3", std::nullopt},
    {"fifo.mp3", std::nullopt},
    {"folder.mp3", std::nullopt},
    {"device.mp3", std::nullopt},
    {"vanished.mp3", std::nullopt},
};

TEST(TagLibTitleReader, ReadsEachFormatsTitleAndNoneWhereThereIsNone) {
    const TagLibTitleReader reader;
    for (const Case& c : kCases)
        EXPECT_EQ(reader.title(gFiles / c.file), c.title) << c.file;
}

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(TagLibTitleReader, ReadsDamagedFilesWithoutFailing) {
    const TagLibTitleReader reader;
    const std::filesystem::path corpus = std::filesystem::temp_directory_path() / "tavrosk damaged tags";
    std::filesystem::create_directories(corpus);
    std::mt19937 random(30);
    int read = 0;
    for (const Case& c : kCases) {
        if (!c.title)
            continue;
        const std::string whole = contentOf(gFiles / c.file);
        const std::string extension = std::filesystem::path(c.file).extension().string();
        std::vector<std::string> damaged;
        // Cut at every byte of the first 128 and at 64 points after.
        for (std::size_t cut = 0; cut < whole.size(); cut += cut < 128 ? 1 : whole.size() / 64 + 1)
            damaged.push_back(whole.substr(0, cut));
        // Bytes flipped, a few at a time, mostly in the headers and tags.
        for (int i = 0; i < 200; ++i) {
            std::string copy = whole;
            for (int flips = 1 + i % 4; flips-- > 0;) {
                const std::size_t limit = i % 2 ? copy.size() : std::min<std::size_t>(copy.size(), 512);
                copy[random() % limit] ^= static_cast<char>(1 << random() % 8);
            }
            damaged.push_back(copy);
        }
        for (const std::string& content : damaged) {
            const std::filesystem::path file = corpus / ("damaged" + extension);
            std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
            const std::optional<std::u16string> title = reader.title(file);
            EXPECT_TRUE(!title || !title->empty()) << c.file;
            ++read;
        }
    }
    std::filesystem::remove_all(corpus);
    EXPECT_GT(read, 2000);
}

} // namespace
} // namespace tavrosk::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tag_tests FOLDER-OF-make_tag_files.py\n");
        return 2;
    }
    tavrosk::test::gFiles = argv[1];
    return RUN_ALL_TESTS();
}

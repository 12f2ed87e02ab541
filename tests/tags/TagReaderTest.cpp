// TagLib's titles from files made by make_tag_files.py, in the folder the
// build names, and a corpus of damaged copies that must each give a
// title or none, never a crash or a hang.
#include "tags/TagLibTitleReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace tavrosk::test {
namespace {

const std::filesystem::path kFiles = TAVROSK_TAG_FILES;

const std::pair<const char*, std::u16string> kTitled[] = {
    {"utf16.mp3", u"夜明けのスキャット"},
    {"utf8.mp3", u"Ça va 夜明け"},
    {"cp932.mp3", u"夜明けのスキャット"},
    {"latin1.mp3", u"Crème brûlée"},
    {"id3v1.mp3", u"スキャット"},
    {"info.wav", u"夜明けの歌"},
    {"m4a.m4a", u"エム・フォー・エー"},
    {"flac.flac", u"フラック"},
    {"ogg.ogg", u"オッグ"},
};

TEST(TagLibTitleReader, ReadsEachFormatsTitleAndNoneWhereThereIsNone) {
    const TagLibTitleReader reader;
    for (const auto& [file, title] : kTitled)
        EXPECT_EQ(reader.title(kFiles / file), title) << file;
    for (const char* file : {"untagged.mp3", "empty.mp3", "plain.wav", "zero.mp3", "huge.mp3", "fifo.mp3",
                             "folder.mp3", "device.mp3", "vanished.mp3"})
        EXPECT_EQ(reader.title(kFiles / file), std::nullopt) << file;
}

TEST(TagLibTitleReader, ReadsDamagedFilesWithoutFailing) {
    const TagLibTitleReader reader;
    const std::filesystem::path corpus = std::filesystem::temp_directory_path() / "tavrosk damaged tags";
    std::filesystem::create_directories(corpus);
    std::mt19937 random(30);
    int read = 0;
    for (const auto& [name, title] : kTitled) {
        std::ifstream in(kFiles / name, std::ios::binary);
        const std::string whole{std::istreambuf_iterator<char>(in), {}};
        const std::filesystem::path file = corpus / ("damaged" + std::filesystem::path(name).extension().string());
        const auto readDamaged = [&](const std::string& content) {
            std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
            const std::optional<std::u16string> damagedTitle = reader.title(file);
            EXPECT_TRUE(!damagedTitle || !damagedTitle->empty()) << name;
            ++read;
        };
        // Cut at every byte of the first 128 and at 64 points after.
        for (std::size_t cut = 0; cut < whole.size(); cut += cut < 128 ? 1 : whole.size() / 64 + 1)
            readDamaged(whole.substr(0, cut));
        // Bytes flipped, a few at a time, mostly in the headers and tags.
        for (int i = 0; i < 200; ++i) {
            std::string copy = whole;
            for (int flips = 1 + i % 4; flips-- > 0;) {
                const std::size_t limit = i % 2 ? copy.size() : std::min<std::size_t>(copy.size(), 512);
                copy[random() % limit] ^= static_cast<char>(1 << random() % 8);
            }
            readDamaged(copy);
        }
    }
    std::filesystem::remove_all(corpus);
    EXPECT_GT(read, 2000);
}

} // namespace
} // namespace tavrosk::test

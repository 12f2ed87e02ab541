#include "navigation/FolderReader.h"
#include "navigation/NameText.h"
#include "navigation/Navigation.h"

#include "tests/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include <sys/stat.h>

namespace tavrosk::test {
namespace {

namespace fs = std::filesystem;

TEST(Navigation, ADriveChangeMovesTheFolderListWhoseChangeMovesTheFiles) {
    for (const bool folderFails : {false, true}) {
        FakeForm form;
        form.dir1.changed().subscribe([&form] { OnFolderChange(form.state); });
        form.dir1.current = form.file1.path = "/before";
        form.drive1.current = "/media/usb";
        form.log.failAt = folderFails ? std::optional<std::size_t>(1) : std::nullopt;

        if (folderFails) {
            EXPECT_THROW(OnDriveChange(form.state), OperationFailed);
            EXPECT_EQ(form.file1.path, "/before");
            continue;
        }
        OnDriveChange(form.state);
        EXPECT_EQ(form.file1.path, "/media/usb");
        EXPECT_EQ(form.log.calls, std::vector<std::string>({"drive1.drive", "dir1.setPath", "dir1.path", "file1.setPath"}));
    }
}

TEST(RunCommand, ReportsEachFailureOnceAndGoesOn) {
    RecordingReport report;
    RunCommand(report, [] {});
    RunCommand(report, [] { throw OperationFailed(u"フォルダ「/x」を開けません。", "ENOENT"); });
    RunCommand(report, [] { throw std::runtime_error("bad_alloc somewhere"); });
    ASSERT_EQ(report.messages.size(), 2u);
    EXPECT_EQ(report.messages[0], u"フォルダ「/x」を開けません。");
    EXPECT_FALSE(report.messages[1].empty());
}

struct TemporaryFolder {
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "tavrosk-unit-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { fs::remove_all(path); }
    fs::path path;
};

TEST(ReadFolder, ListsRegularFilesAndFoldersButNothingHiddenOrSpecial) {
    TemporaryFolder folder;
    for (const char* name : {"b.mp3", "a.wav", ".hidden.mp3", "bad\xff.mid"})
        std::ofstream(folder.path / name).put('x');
    fs::create_directory(folder.path / "sub");
    fs::create_directory(folder.path / ".git");
    ASSERT_EQ(mkfifo((folder.path / "pipe").c_str(), 0600), 0);
    fs::create_symlink(folder.path / "a.wav", folder.path / "link.wav");
    fs::create_symlink(folder.path / "missing", folder.path / "dangling.wav");

    FolderContents contents = ReadFolder(folder.path);

    std::sort(contents.files.begin(), contents.files.end());
    EXPECT_EQ(contents.files, std::vector<fs::path>({"a.wav", "b.mp3", "bad\xff.mid", "link.wav"}));
    EXPECT_EQ(contents.subfolders, std::vector<fs::path>({"sub"}));
}

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

} // namespace
} // namespace tavrosk::test

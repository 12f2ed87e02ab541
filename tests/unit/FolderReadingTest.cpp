#include "model/OperationFailed.h"
#include "navigation/FolderReader.h"
#include "navigation/NameText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavrosk::test {
namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "tavrosk-unit-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, ignored);
        fs::remove_all(path, ignored);
    }
    void touch(const std::string& name) const { std::ofstream(path / name).put('x'); }

    fs::path path;
};

std::vector<std::string> sorted(const std::vector<fs::path>& names) {
    std::vector<std::string> result;
    for (const fs::path& name : names)
        result.push_back(name.string());
    std::sort(result.begin(), result.end());
    return result;
}

TEST(ReadFolder, ListsRegularFilesAndFoldersButNothingHiddenOrSpecial) {
    TemporaryFolder folder;
    folder.touch("b.mp3");
    folder.touch("a.wav");
    folder.touch(".hidden.mp3");
    fs::create_directory(folder.path / "sub");
    fs::create_directory(folder.path / ".git");
    ASSERT_EQ(mkfifo((folder.path / "pipe").c_str(), 0600), 0);
    fs::create_symlink(folder.path / "a.wav", folder.path / "link.wav");
    fs::create_symlink(folder.path / "missing", folder.path / "dangling.wav");

    const FolderContents contents = ReadFolder(folder.path);

    EXPECT_EQ(sorted(contents.files), std::vector<std::string>({"a.wav", "b.mp3", "link.wav"}));
    EXPECT_EQ(sorted(contents.subfolders), std::vector<std::string>({"sub"}));
}

std::u16string failureMessage(const fs::path& folder) {
    try {
        ReadFolder(folder);
    } catch (const OperationFailed& failure) {
        return failure.userMessage();
    }
    return u"(no failure)";
}

TEST(ReadFolder, AMissingFolderIsReportedByName) {
    TemporaryFolder folder;
    const std::u16string message = failureMessage(folder.path / "消えた");
    EXPECT_NE(message.find(PathText(folder.path / "消えた")), std::u16string::npos);
    EXPECT_NE(message.find(u"見つかりません"), std::u16string::npos);
}

TEST(ReadFolder, AFolderWithoutReadPermissionIsReportedAsDenied) {
    TemporaryFolder folder;
    fs::create_directory(folder.path / "locked");
    fs::permissions(folder.path / "locked", fs::perms::none);
    fs::permissions(folder.path, fs::perms::all);
    // Root reads every folder; the check runs as an ordinary user then.
    const auto check = [&] {
        const std::u16string message = failureMessage(folder.path / "locked");
        return message.find(u"アクセスが拒否されました") != std::u16string::npos &&
               message.find(PathText(folder.path / "locked")) != std::u16string::npos;
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(65534) == 0 && setuid(65534) == 0 && check() ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(NameText, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    EXPECT_EQ(PathText("曲 01.mp3"), u"曲 01.mp3");
    EXPECT_EQ(PathText("\xF0\x9F\x8E\xB5.wav"), u"\U0001F3B5.wav");
    EXPECT_EQ(PathText("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(PathText("a\xE6\x9B"), u"a\uFFFD") << "truncated sequence";
    EXPECT_EQ(PathText("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong form";
    EXPECT_EQ(PathText("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "encoded surrogate";
    EXPECT_EQ(PathText("\xE6\x9Bx"), u"\uFFFDx") << "one replacement for the broken sequence";
}

TEST(NameText, LineBreaksAndControlsShowAsVisiblePictures) {
    EXPECT_EQ(DisplayName(u"a\nb\r.mp3"), u"a␊b␍.mp3");
    EXPECT_EQ(DisplayName(u"tab\there\x7f"), u"tab␉here␡");
    EXPECT_EQ(DisplayName(u"x\u2028y\u0085z"), u"x␤y␤z");
    EXPECT_EQ(DisplayName(u"普通の名前.mp3"), u"普通の名前.mp3");
}

} // namespace
} // namespace tavrosk::test

// How the navigation reads Windows' file system: names as UTF-16 units,
// whatever they hold, hidden and system entries left out, paths of any
// length.
#include "model/OperationFailed.h"
#include "navigation/FolderReader.h"
#include "navigation/HandedOver.h"
#include "navigation/NameText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tavrosk::test {
namespace {

namespace fs = std::filesystem;

// Names NTFS holds: Japanese, an emoji (a surrogate pair), and surrogates
// without their pair, which the library's own conversions refuse.
TEST(NameText, TakesEveryWindowsNameUnitForUnit) {
    const struct {
        std::wstring name;
        std::string cause;  // UTF-8
    } cases[] = {
        {L"曲 01.mp3", "\xE6\x9B\xB2 01.mp3"},
        {L"\xD83C\xDFB5.wav", "\xF0\x9F\x8E\xB5.wav"},
        {L"a\xD800" L"b", "a\xEF\xBF\xBD" "b"},
        {L"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathText(c.name), std::u16string(c.name.begin(), c.name.end())) << c.cause;
        EXPECT_EQ(PathCause(c.name), c.cause);
    }
}

TEST(FolderReader, ListsWhatExplorerShowsAtAnyPathLength) {
    // Past 260 characters only the extended form reaches it. The folder
    // stays in the build's own Wine prefix: the runtime removes no path that
    // long, and a second run makes it again over itself.
    std::wstring folder = (fs::temp_directory_path() / "tavrosk reader test").wstring();
    const auto make = [](const std::wstring& path) { CreateDirectoryW((LR"(\\?\)" + path).c_str(), nullptr); };
    make(folder);
    while (folder.size() <= 300)
        make(folder += L"\\" + std::wstring(60, L'長'));
    const std::wstring extended = LR"(\\?\)" + folder;
    make(folder + L"\\sub");
    make(folder + L"\\hidden sub");
    for (const wchar_t* name : {L"a.mp3", L".dot.mp3", L"hidden.mp3", L"system.mp3"})
        CloseHandle(CreateFileW((extended + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    SetFileAttributesW((extended + L"\\hidden.mp3").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((extended + L"\\system.mp3").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesW((extended + L"\\hidden sub").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);

    const FolderContents contents = ReadFolder(folder);
    EXPECT_EQ(contents.files, std::vector<fs::path>{L"a.mp3"});
    EXPECT_EQ(contents.subfolders, std::vector<fs::path>{L"sub"});
    std::error_code error;
    EXPECT_EQ(StatusOf(folder + L"\\a.mp3", error).type(), fs::file_type::regular);
}

// A path that cannot be opened is named in the message, whatever its name
// holds; the cause is UTF-8.
TEST(HandedOver, AMissingPathIsNamedWhateverItsNameHolds) {
    const fs::path gone = fs::temp_directory_path() / L"gone 曲\xD83C\xDFB5\xD800";
    const std::u16string name = u"gone 曲\U0001F3B5\xD800";
    for (const auto& open : {std::function<void()>([&] { FolderToOpenFor({gone}); }),
                             std::function<void()>([&] { ReadFolder(gone); })}) {
        try {
            open();
            ADD_FAILURE() << "opened";
        } catch (const OperationFailed& failure) {
            EXPECT_NE(failure.userMessage().find(name), std::u16string::npos);
            EXPECT_NE(failure.userMessage().find(u"見つかりません"), std::u16string::npos);
            EXPECT_NE(failure.cause().find("gone \xE6\x9B\xB2\xF0\x9F\x8E\xB5\xEF\xBF\xBD"), std::string::npos);
        }
    }
}

} // namespace
} // namespace tavrosk::test

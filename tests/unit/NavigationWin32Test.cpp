// How the navigation reads Windows' names: as UTF-16 units, whatever they
// hold. What a folder shows, at any path length: the Windows program's own
// tests.
#include "model/OperationFailed.h"
#include "navigation/FolderReader.h"
#include "navigation/HandedOver.h"
#include "navigation/NameText.h"

#include <gtest/gtest.h>

#include <functional>

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

// A path that cannot be opened is named in the message, whatever its name
// holds; the cause is UTF-8.
TEST(HandedOver, AMissingPathIsNamedWhateverItsNameHolds) {
    const fs::path gone = fs::temp_directory_path() / L"gone 曲\xD83C\xDFB5\xD800";
    for (const auto& open : {std::function<void()>([&] { FolderToOpenFor({gone}); }),
                             std::function<void()>([&] { ReadFolder(gone); })}) {
        try {
            open();
            ADD_FAILURE() << "opened";
        } catch (const OperationFailed& failure) {
            EXPECT_NE(failure.userMessage().find(u"gone 曲\U0001F3B5\xD800"), std::u16string::npos);
            EXPECT_NE(failure.userMessage().find(u"見つかりません"), std::u16string::npos);
            EXPECT_NE(failure.cause().find("gone \xE6\x9B\xB2\xF0\x9F\x8E\xB5\xEF\xBF\xBD"), std::string::npos);
        }
    }
}

} // namespace
} // namespace tavrosk::test

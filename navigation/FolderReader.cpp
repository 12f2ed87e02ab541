#include "navigation/FolderReader.h"

#include "model/OperationFailed.h"
#include "navigation/NameText.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tavrosk {

namespace {

std::u16string reasonFor([[maybe_unused]] const std::filesystem::path& folder, const std::error_code& error) {
#ifdef _WIN32
    // The C++ library reports an empty drive only as a generic error; the
    // drive itself says so.
    if (GetFileAttributesW(folder.root_path().c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_NOT_READY)
        return u"ドライブにメディアがありません。";
#endif
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return u"アクセスが拒否されました。";
    if (error == std::errc::no_such_file_or_directory)
        return u"フォルダが見つかりません。削除されたか、名前が変わった可能性があります。";
    if (error == std::errc::not_a_directory)
        return u"フォルダではありません。";
#ifdef ENOMEDIUM
    if (error.value() == ENOMEDIUM && error.category() == std::generic_category())
        return u"ドライブにメディアがありません。";
#endif
    if (error == std::errc::io_error)
        return u"読み取りエラーが発生しました。";
    return u"読み取れません。";
}

[[noreturn]] void fail(const std::filesystem::path& folder, const std::error_code& error) {
    // The cause is UTF-8 on every platform (on Windows string() would need
    // the folder's name to fit the ANSI code page).
    const std::u8string name = folder.u8string();
    throw OperationFailed(u"フォルダ「" + PathText(folder) + u"」を開けません。\n" + reasonFor(folder, error),
                          "reading " + std::string(name.begin(), name.end()) + ": " + error.message());
}

bool isHidden(const std::filesystem::directory_entry& entry) {
    const std::filesystem::path name = entry.path().filename();
    if (!name.empty() && name.native().front() == '.')
        return true;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return true;
#endif
    return false;
}

} // namespace

FolderContents ReadFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error)
        fail(folder, error);

    FolderContents contents;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(error)) {
        if (error)
            fail(folder, error);
        const std::filesystem::directory_entry& entry = *it;
        if (isHidden(entry))
            continue;
        // The type comes with the directory read; only symbolic links cost a
        // look at their target, so that a link to a file lists as a file.
        std::error_code typeError;
        if (entry.is_regular_file(typeError))
            contents.files.push_back(entry.path().filename());
        else if (entry.is_directory(typeError))
            contents.subfolders.push_back(entry.path().filename());
    }
    if (error)
        fail(folder, error);
    return contents;
}

} // namespace tavrosk

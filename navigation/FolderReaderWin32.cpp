// The folder read on Windows, through its own file calls.
#include "navigation/FolderReader.h"

#include "navigation/ReadFailure.h"

#include <windows.h>

namespace tavrosk {

namespace {

// Windows' file calls take a path of 260 characters or more only in its
// extended form, which they pass to the file system as it is; the C and C++
// runtimes' own calls do not take it at all.
std::wstring systemPath(const std::filesystem::path& path) {
    const std::wstring& text = path.native();
    if (!path.is_absolute() || text.starts_with(LR"(\\?\)"))
        return text;
    if (text.starts_with(LR"(\\)"))
        return LR"(\\?\UNC\)" + text.substr(2);
    return LR"(\\?\)" + text;
}

// The failure of the last call, as a portable error where there is one.
std::error_code lastError() {
    switch (const DWORD code = GetLastError()) {
    case ERROR_ACCESS_DENIED: return std::make_error_code(std::errc::permission_denied);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_DIRECTORY: return std::make_error_code(std::errc::not_a_directory);
    default: return {static_cast<int>(code), std::system_category()};
    }
}

[[noreturn]] void fail(const std::filesystem::path& folder, const std::error_code& error) {
    // The listing reports an empty drive only as a generic error; the drive
    // itself says so.
    const bool noMedium = GetFileAttributesW(folder.root_path().c_str()) == INVALID_FILE_ATTRIBUTES &&
                          GetLastError() == ERROR_NOT_READY;
    FailToRead(folder, error, noMedium);
}

} // namespace

FolderContents ReadFolder(const std::filesystem::path& folder) {
    std::wstring pattern = systemPath(folder);
    pattern += pattern.ends_with(L'\\') ? L"*" : L"\\*";
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH);
    FolderContents contents;
    if (search == INVALID_HANDLE_VALUE) {
        // A drive's root with nothing in it has not even "." and "..".
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return contents;
        fail(folder, lastError());
    }
    do {
        const std::wstring_view name = found.cFileName;
        const DWORD attributes = found.dwFileAttributes;
        if (name.starts_with(L'.') || (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            continue;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            contents.subfolders.emplace_back(name);
        else if (!(attributes & FILE_ATTRIBUTE_DEVICE))
            contents.files.emplace_back(name);
    } while (FindNextFileW(search, &found));
    const std::error_code error = lastError();
    FindClose(search);
    if (error.value() != ERROR_NO_MORE_FILES)
        fail(folder, error);
    return contents;
}

std::filesystem::file_status StatusOf(const std::filesystem::path& path, std::error_code& error) {
    error.clear();
    const DWORD attributes = GetFileAttributesW(systemPath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return std::filesystem::file_status(attributes & FILE_ATTRIBUTE_DIRECTORY ? std::filesystem::file_type::directory
                                                                                  : std::filesystem::file_type::regular);
    error = lastError();
    if (error == std::errc::no_such_file_or_directory)
        return std::filesystem::file_status(std::filesystem::file_type::not_found);
    return {};
}

} // namespace tavrosk

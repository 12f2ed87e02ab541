// The folder read on POSIX systems, through the C++ library.
#include "navigation/FolderReader.h"

#include "navigation/ReadFailure.h"

#include <cerrno>

namespace tavrosk {

namespace {

[[noreturn]] void fail(const std::filesystem::path& folder, const std::error_code& error) {
    bool noMedium = false;
#ifdef ENOMEDIUM  // Linux's own error number, not POSIX's
    noMedium = error.value() == ENOMEDIUM && error.category() == std::generic_category();
#endif
    FailToRead(folder, error, noMedium);
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
        if (entry.path().filename().native().starts_with('.'))
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

std::filesystem::file_status StatusOf(const std::filesystem::path& path, std::error_code& error) {
    return std::filesystem::status(path, error);
}

} // namespace tavrosk

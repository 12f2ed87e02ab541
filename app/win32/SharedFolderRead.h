#pragma once

#include "navigation/FolderReader.h"

#include <optional>
#include <utility>

namespace tavrosk::win32 {

// Opening a folder shows its subfolders in Dir1 and then, through Dir1's
// change notification, its files in File1. Both come from one directory
// read: Dir1 keeps what it read, File1 takes it. The window forgets what was
// kept once the event that read it has been handled.
class SharedFolderRead {
public:
    FolderContents read(const std::filesystem::path& folder) {
        if (kept_ && folder == folder_) {
            FolderContents contents = std::move(*kept_);
            kept_.reset();
            return contents;
        }
        return ReadFolder(folder);
    }

    void keep(const std::filesystem::path& folder, FolderContents contents) {
        folder_ = folder;
        kept_ = std::move(contents);
    }

    void forget() { kept_.reset(); }

private:
    std::filesystem::path folder_;
    std::optional<FolderContents> kept_;
};

} // namespace tavrosk::win32

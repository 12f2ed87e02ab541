#pragma once

#include "navigation/FolderReader.h"

#include <optional>

namespace tavrosk {

// Opening a folder shows its subfolders in the folder list and then, through
// the folder list's change notification, its files in the file list. Both
// come from one directory read: the folder list keeps what it read and the
// file list takes it. What was kept is forgotten once the event that read it
// has been handled, so that a later event reads the folder anew.
class SharedFolderRead {
public:
    // What the folder holds: what was kept for it, or a fresh read.
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

} // namespace tavrosk

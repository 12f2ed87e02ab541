#pragma once

#include "ChangeNotifier.h"

#include <filesystem>

namespace tavrosk {

// The folder list: the current folder as a full path, as the platform spells
// it (bytes on POSIX, UTF-16 on Windows), so that any folder the file system
// holds can be opened, whether or not its name is valid text.
class FolderList {
public:
    virtual ~FolderList() = default;

    virtual std::filesystem::path path() const = 0;
    // Makes that folder (or that drive's root, given a drive text) current
    // and raises the change notification. On failure nothing changes.
    virtual void setPath(const std::filesystem::path& path) = 0;

    // Raised whenever the current folder changes, by the user or by setPath().
    ChangeNotifier& changed() { return changed_; }

private:
    ChangeNotifier changed_;
};

} // namespace tavrosk

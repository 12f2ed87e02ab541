#pragma once

#include "ChangeNotifier.h"

#include <filesystem>

namespace tavrosk {

// The drive selector: the current drive (volume), as the root path that
// FolderList::setPath() accepts.
class DriveList {
public:
    virtual ~DriveList() = default;

    virtual std::filesystem::path drive() const = 0;
    // Lists the drives anew and shows the one that holds folder, without
    // raising the change notification.
    virtual void showDriveOf(const std::filesystem::path& folder) = 0;

    // Raised when the user picks another drive.
    ChangeNotifier& changed() { return changed_; }

private:
    ChangeNotifier changed_;
};

} // namespace tavrosk

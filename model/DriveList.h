#pragma once

#include "ChangeNotifier.h"

#include <string>

namespace tavrosk {

// The drive selector: the current drive (volume), as a text that
// FolderList::setPath() accepts.
class DriveList {
public:
    virtual ~DriveList() = default;

    virtual std::u16string drive() const = 0;

    // Raised when the user picks another drive.
    ChangeNotifier& changed() { return changed_; }

private:
    ChangeNotifier changed_;
};

} // namespace tavrosk

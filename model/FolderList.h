#pragma once

#include "ChangeNotifier.h"

#include <string>

namespace tavrosk {

// The folder list: the current folder as a full path, as the platform writes it.
class FolderList {
public:
    virtual ~FolderList() = default;

    virtual std::u16string path() const = 0;
    // Makes that folder (or that drive's root, given a drive text) current
    // and raises the change notification. On failure nothing changes.
    virtual void setPath(const std::u16string& path) = 0;

    // Raised whenever the current folder changes, by the user or by setPath().
    ChangeNotifier& changed() { return changed_; }

private:
    ChangeNotifier changed_;
};

} // namespace tavrosk

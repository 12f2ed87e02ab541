#pragma once

#include "navigation/FolderReader.h"

#include <QObject>

#include <optional>

namespace tavrosk {

// Opening a folder shows its subfolders in the folder list and then, through
// the folder list's change notification, its files in the file list. Both
// come from one directory read: the folder list keeps what it read, and the
// file list takes it, as long as control has not gone back to the event
// loop in between (after that the folder is read anew).
class SharedFolderRead final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // What the folder holds: what was kept for it, or a fresh read.
    FolderContents read(const std::filesystem::path& folder);
    void keep(const std::filesystem::path& folder, FolderContents contents);

private:
    std::filesystem::path folder_;
    std::optional<FolderContents> kept_;
};

} // namespace tavrosk

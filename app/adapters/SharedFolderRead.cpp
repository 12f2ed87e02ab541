#include "app/adapters/SharedFolderRead.h"

#include <QTimer>

namespace tavrosk {

FolderContents SharedFolderRead::read(const std::filesystem::path& folder) {
    if (kept_ && folder == folder_) {
        FolderContents contents = std::move(*kept_);
        kept_.reset();
        return contents;
    }
    return ReadFolder(folder);
}

void SharedFolderRead::keep(const std::filesystem::path& folder, FolderContents contents) {
    if (!kept_)
        QTimer::singleShot(0, this, [this] { kept_.reset(); });
    folder_ = folder;
    kept_ = std::move(contents);
}

} // namespace tavrosk

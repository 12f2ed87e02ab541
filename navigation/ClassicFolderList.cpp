#include "navigation/ClassicFolderList.h"

#include "model/OperationFailed.h"
#include "navigation/FolderChain.h"
#include "navigation/NameOrder.h"
#include "navigation/NameText.h"
#include "navigation/SharedFolderRead.h"

#include <algorithm>

namespace tavrosk {

void ClassicFolderList::setPath(const std::filesystem::path& path) {
    show(path);
    changed().raise();
}

void ClassicFolderList::openRow(std::size_t row) {
    if (row < rows_.size() && rows_[row].path != current_)
        setPath(rows_[row].path);
}

void ClassicFolderList::show(const std::filesystem::path& requested) {
    const std::filesystem::path folder = NormalisedFolder(requested);
    // Read first: a folder that cannot be read leaves the list as it was,
    // with the open folder chosen again where the user chose another row.
    FolderContents contents;
    try {
        contents = reading_.read(folder);
    } catch (const OperationFailed&) {
        if (!rows_.empty())
            view_.showRows(rows_, currentRow_);
        throw;
    }

    std::vector<FolderRow> rows;
    for (const std::filesystem::path& ancestor : FolderChain(folder)) {
        const std::filesystem::path name = ancestor.filename();
        const int indent = std::min(static_cast<int>(rows.size()), kDeepestIndent - 1);
        rows.push_back({ancestor, PathText(name.empty() ? ancestor : name), indent, true});
    }
    const std::size_t current = rows.size() - 1;
    const int indent = rows.back().indent + 1;
    std::vector<std::u16string> names;
    names.reserve(contents.subfolders.size());
    for (const std::filesystem::path& sub : contents.subfolders)
        names.push_back(PathText(sub));
    for (std::size_t i : order_.sorted(names))
        rows.push_back({folder / contents.subfolders[i], std::move(names[i]), indent, false});

    rows_ = std::move(rows);
    currentRow_ = current;
    current_ = folder;
    view_.showRows(rows_, current);
    reading_.keep(folder, std::move(contents));
}

} // namespace tavrosk

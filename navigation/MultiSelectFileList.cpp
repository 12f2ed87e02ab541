#include "navigation/MultiSelectFileList.h"

#include "model/OperationFailed.h"
#include "navigation/NameOrder.h"
#include "navigation/NameText.h"
#include "navigation/SharedFolderRead.h"

#include <algorithm>
#include <unordered_map>

namespace tavrosk {

void MultiSelectFileList::checkPosition(std::size_t position) const {
    if (position >= names_.size())
        throw OperationFailed(u"ファイル一覧にその位置の項目がありません。",
                              "file list position " + std::to_string(position) + " out of " +
                                  std::to_string(names_.size()));
}

std::u16string MultiSelectFileList::name(std::size_t position) const {
    checkPosition(position);
    return names_[position];
}

bool MultiSelectFileList::isSelected(std::size_t position) const {
    checkPosition(position);
    return selected_[position] != 0;
}

void MultiSelectFileList::setSelected(std::size_t position, bool selected) {
    checkPosition(position);
    if ((selected_[position] != 0) == selected)
        return;
    selected_[position] = selected;
    if (!viewBehind_) {
        viewBehind_ = true;
        view_.selectionChanged();
    }
}

void MultiSelectFileList::setPath(const std::filesystem::path& folder) {
    const FolderContents contents = reading_.read(folder);
    std::vector<std::u16string> unsorted;
    unsorted.reserve(contents.files.size());
    for (const std::filesystem::path& file : contents.files)
        unsorted.push_back(DisplayName(PathText(file)));
    std::vector<std::u16string> names;
    std::vector<std::filesystem::path> files;
    names.reserve(unsorted.size());
    files.reserve(unsorted.size());
    for (std::size_t i : order_.sorted(unsorted)) {
        names.push_back(std::move(unsorted[i]));
        files.push_back(contents.files[i]);
    }

    names_ = std::move(names);
    files_ = std::move(files);
    selected_.assign(names_.size(), 0);
    viewBehind_ = false;
    view_.showNames(names_);
}

void MultiSelectFileList::selectFiles(const std::vector<std::filesystem::path>& names) {
    std::unordered_map<std::filesystem::path::string_type, std::size_t> positions;
    positions.reserve(files_.size());
    for (std::size_t position = 0; position < files_.size(); ++position)
        positions.emplace(files_[position].native(), position);
    std::size_t first = files_.size();
    for (const std::filesystem::path& name : names)
        if (const auto found = positions.find(name.native()); found != positions.end()) {
            setSelected(found->second, true);
            first = std::min(first, found->second);
        }
    if (first < files_.size())
        view_.scrollTo(first);
}

std::vector<std::pair<std::size_t, std::size_t>> MultiSelectFileList::selectedRuns() {
    viewBehind_ = false;
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t position = 0; position < selected_.size();) {
        if (!selected_[position]) {
            ++position;
            continue;
        }
        const std::size_t first = position;
        while (position < selected_.size() && selected_[position])
            ++position;
        runs.emplace_back(first, position - 1);
    }
    return runs;
}

void MultiSelectFileList::userSelected(std::size_t first, std::size_t last, bool selected) {
    if (first > last || last >= selected_.size())
        return;
    std::fill(selected_.begin() + static_cast<std::ptrdiff_t>(first),
              selected_.begin() + static_cast<std::ptrdiff_t>(last) + 1, selected ? 1 : 0);
}

} // namespace tavrosk

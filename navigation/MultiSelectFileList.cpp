#include "navigation/MultiSelectFileList.h"

#include "model/OperationFailed.h"
#include "navigation/NameOrder.h"
#include "navigation/NameText.h"
#include "navigation/SharedFolderRead.h"

#include <algorithm>
#include <unordered_map>

namespace tavrosk {

void MultiSelectFileList::checkPosition(std::size_t position) const {
    if (position >= names_.count())
        throw OperationFailed(u"ファイル一覧にその位置の項目がありません。",
                              "file list position " + std::to_string(position) + " out of " +
                                  std::to_string(names_.count()));
}

std::u16string MultiSelectFileList::name(std::size_t position) const {
    checkPosition(position);
    return std::u16string(names_[position]);
}

std::filesystem::path MultiSelectFileList::file(std::size_t position) const {
    checkPosition(position);
    return folder_ / files_[position];
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
    std::size_t nameChars = 0, fileChars = 0;
    for (const std::filesystem::path& file : contents.files) {
        unsorted.push_back(DisplayName(PathText(file)));
        nameChars += unsorted.back().size();
        fileChars += file.native().size();
    }
    Strings<char16_t> names;
    Strings<std::filesystem::path::value_type> files;
    names.reserve(unsorted.size(), nameChars);
    files.reserve(unsorted.size(), fileChars);
    for (std::size_t i : order_.sorted(unsorted)) {
        names.push_back(unsorted[i]);
        files.push_back(contents.files[i].native());
    }

    folder_ = folder;
    names_ = std::move(names);
    files_ = std::move(files);
    selected_.assign(names_.count(), 0);
    viewBehind_ = false;
    view_.showNames(names_.count());
}

void MultiSelectFileList::selectFiles(const std::vector<std::filesystem::path>& names) {
    std::unordered_map<std::basic_string_view<std::filesystem::path::value_type>, std::size_t> positions;
    positions.reserve(files_.count());
    for (std::size_t position = 0; position < files_.count(); ++position)
        positions.emplace(files_[position], position);
    std::size_t first = files_.count();
    for (const std::filesystem::path& name : names)
        if (const auto found = positions.find(name.native()); found != positions.end()) {
            setSelected(found->second, true);
            first = std::min(first, found->second);
        }
    if (first < files_.count())
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

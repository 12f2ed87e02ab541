#include "app/adapters/FileListAdapter.h"

#include "app/adapters/NaturalOrder.h"
#include "app/adapters/SharedFolderRead.h"
#include "model/OperationFailed.h"
#include "navigation/NameText.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScopedValueRollback>
#include <QStringListModel>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace tavrosk {

FileListAdapter::FileListAdapter(QListView& view, SharedFolderRead& reading)
    : QObject(&view), view_(view), reading_(reading), model_(new QStringListModel(this)) {
    view_.setModel(model_);
    connect(view_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileListAdapter::takeSelectionFromView);
}

std::size_t FileListAdapter::count() const {
    return selected_.size();
}

void FileListAdapter::checkPosition(std::size_t position) const {
    if (position >= selected_.size())
        throw OperationFailed(u"ファイル一覧に" + std::u16string(u"その位置の項目がありません。"),
                              "file list position " + std::to_string(position) + " out of " +
                                  std::to_string(selected_.size()));
}

std::u16string FileListAdapter::name(std::size_t position) const {
    checkPosition(position);
    return model_->stringList().at(static_cast<qsizetype>(position)).toStdU16String();
}

bool FileListAdapter::isSelected(std::size_t position) const {
    checkPosition(position);
    return selected_[position] != 0;
}

void FileListAdapter::setSelected(std::size_t position, bool selected) {
    checkPosition(position);
    if ((selected_[position] != 0) == selected)
        return;
    selected_[position] = selected;
    if (!viewUpdatePending_) {
        viewUpdatePending_ = true;
        QMetaObject::invokeMethod(this, &FileListAdapter::applySelectionToView, Qt::QueuedConnection);
    }
}

void FileListAdapter::applySelectionToView() {
    viewUpdatePending_ = false;
    QItemSelection ranges;
    const auto rows = static_cast<int>(selected_.size());
    for (int row = 0; row < rows;) {
        if (!selected_[row]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rows && selected_[row])
            ++row;
        ranges.select(model_->index(first), model_->index(row - 1));
    }
    QScopedValueRollback guard(updatingView_, true);
    view_.selectionModel()->select(ranges, QItemSelectionModel::ClearAndSelect);
}

void FileListAdapter::takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected) {
    if (updatingView_)
        return;
    for (const QItemSelectionRange& range : deselected)
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected_[row] = 0;
    for (const QItemSelectionRange& range : selected)
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected_[row] = 1;
}

void FileListAdapter::setPath(const std::filesystem::path& folder) {
    const FolderContents contents = reading_.read(folder);
    QStringList unsorted;
    unsorted.reserve(static_cast<qsizetype>(contents.files.size()));
    for (const std::filesystem::path& file : contents.files)
        unsorted.push_back(QString::fromStdU16String(DisplayName(PathText(file))));
    QStringList names;
    names.reserve(unsorted.size());
    std::vector<std::filesystem::path> files;
    files.reserve(contents.files.size());
    for (qsizetype i : NaturalOrder(unsorted)) {
        names.push_back(unsorted[i]);
        files.push_back(contents.files[static_cast<std::size_t>(i)]);
    }

    // A new folder starts with nothing selected.
    viewUpdatePending_ = false;
    selected_.assign(static_cast<std::size_t>(names.size()), 0);
    files_ = std::move(files);
    QScopedValueRollback guard(updatingView_, true);
    model_->setStringList(names);
}

void FileListAdapter::selectFiles(const std::vector<std::filesystem::path>& names) {
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
        view_.scrollTo(model_->index(static_cast<int>(first)));
}

} // namespace tavrosk

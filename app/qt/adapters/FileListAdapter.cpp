#include "app/qt/adapters/FileListAdapter.h"

#include "app/qt/QtText.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScopedValueRollback>

namespace tavrosk::qt {

FileListAdapter::FileListAdapter(QListView& view) : QAbstractListModel(&view), view_(view) {
    view_.setModel(this);
    connect(view_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileListAdapter::takeSelectionFromView);
}

void FileListAdapter::showNames(std::size_t count) {
    updatePending_ = false;
    QScopedValueRollback guard(updatingView_, true);
    beginResetModel();
    rows_ = static_cast<int>(count);
    endResetModel();
}

int FileListAdapter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant FileListAdapter::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !list_ || !index.isValid() || row >= list_->count())
        return {};
    return ToQString(list_->name(row));
}

void FileListAdapter::selectionChanged() {
    if (!updatePending_) {
        updatePending_ = true;
        QMetaObject::invokeMethod(this, &FileListAdapter::applySelectionToView, Qt::QueuedConnection);
    }
}

void FileListAdapter::scrollTo(std::size_t position) {
    view_.scrollTo(index(static_cast<int>(position)));
}

void FileListAdapter::applySelectionToView() {
    updatePending_ = false;
    if (!list_)
        return;
    QItemSelection ranges;
    for (const auto& [first, last] : list_->selectedRuns())
        ranges.select(index(static_cast<int>(first)), index(static_cast<int>(last)));
    QScopedValueRollback guard(updatingView_, true);
    view_.selectionModel()->select(ranges, QItemSelectionModel::ClearAndSelect);
}

void FileListAdapter::takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected) {
    if (updatingView_ || !list_)
        return;
    for (const QItemSelectionRange& range : deselected)
        list_->userSelected(static_cast<std::size_t>(range.top()), static_cast<std::size_t>(range.bottom()), false);
    for (const QItemSelectionRange& range : selected)
        list_->userSelected(static_cast<std::size_t>(range.top()), static_cast<std::size_t>(range.bottom()), true);
}

} // namespace tavrosk::qt

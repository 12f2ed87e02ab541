#include "app/qt/adapters/FileListAdapter.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScopedValueRollback>
#include <QStringListModel>

namespace tavrosk::qt {

FileListAdapter::FileListAdapter(QListView& view)
    : QObject(&view), view_(view), model_(new QStringListModel(this)) {
    view_.setModel(model_);
    connect(view_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileListAdapter::takeSelectionFromView);
}

void FileListAdapter::showNames(const std::vector<std::u16string>& names) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(names.size()));
    for (const std::u16string& name : names)
        shown.push_back(QString::fromStdU16String(name));
    updatePending_ = false;
    QScopedValueRollback guard(updatingView_, true);
    model_->setStringList(shown);
}

void FileListAdapter::selectionChanged() {
    if (!updatePending_) {
        updatePending_ = true;
        QMetaObject::invokeMethod(this, &FileListAdapter::applySelectionToView, Qt::QueuedConnection);
    }
}

void FileListAdapter::scrollTo(std::size_t position) {
    view_.scrollTo(model_->index(static_cast<int>(position)));
}

void FileListAdapter::applySelectionToView() {
    updatePending_ = false;
    if (!list_)
        return;
    QItemSelection ranges;
    for (const auto& [first, last] : list_->selectedRuns())
        ranges.select(model_->index(static_cast<int>(first)), model_->index(static_cast<int>(last)));
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

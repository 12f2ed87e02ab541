#pragma once

#include "navigation/MultiSelectFileList.h"

#include <QAbstractListModel>

class QItemSelection;
class QListView;

namespace tavrosk::qt {

// File1's names in a multi-select list view, whose model this is: the view
// asks for the names it draws, and they are read from the list, which holds
// the only copy. The program's selection is brought into the view once
// control is back in the event loop; what the user selects flows back into
// the list's flags at once.
class FileListAdapter final : public QAbstractListModel, public FileListView {
    Q_OBJECT
public:
    explicit FileListAdapter(QListView& view);

    // The list whose names and selection the view shows.
    void show(MultiSelectFileList& list) { list_ = &list; }

    void showNames(std::size_t count) override;
    void selectionChanged() override;
    void scrollTo(std::size_t position) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the view's selection in line with the flags now, rather than
    // when the event loop next runs.
    void applySelectionToView();

private:
    void takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected);

    QListView& view_;
    MultiSelectFileList* list_ = nullptr;
    int rows_ = 0;
    bool updatePending_ = false;
    bool updatingView_ = false;
};

} // namespace tavrosk::qt

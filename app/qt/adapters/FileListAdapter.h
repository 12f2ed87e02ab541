#pragma once

#include "navigation/MultiSelectFileList.h"

#include <QObject>

class QItemSelection;
class QListView;
class QStringListModel;

namespace tavrosk::qt {

// File1's names in a multi-select list view. The program's selection is
// brought into the view once control is back in the event loop; what the
// user selects flows back into the list's flags at once.
class FileListAdapter final : public QObject, public FileListView {
    Q_OBJECT
public:
    explicit FileListAdapter(QListView& view);

    // The list whose names and selection the view shows.
    void show(MultiSelectFileList& list) { list_ = &list; }

    void showNames(const std::vector<std::u16string>& names) override;
    void selectionChanged() override;
    void scrollTo(std::size_t position) override;

    // Brings the view's selection in line with the flags now, rather than
    // when the event loop next runs.
    void applySelectionToView();

private:
    void takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected);

    QListView& view_;
    QStringListModel* model_;
    MultiSelectFileList* list_ = nullptr;
    bool updatePending_ = false;
    bool updatingView_ = false;
};

} // namespace tavrosk::qt

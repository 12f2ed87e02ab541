#pragma once

#include "model/FileList.h"

#include <QObject>

#include <vector>

class QItemSelection;
class QListView;
class QStringListModel;

namespace tavrosk {
class SharedFolderRead;
}

namespace tavrosk {

// File1: the files of one folder in a multi-select list view.
//
// The selection is kept as one flag per entry. Commands set entries one at a
// time; the view is brought in line once, as whole ranges, when control
// returns to the event loop: selecting rows one by one on a Qt view costs
// time quadratic in the number of rows. What the user selects in the view
// flows back into the flags at once.
class FileListAdapter final : public QObject, public FileList {
    Q_OBJECT
public:
    FileListAdapter(QListView& view, SharedFolderRead& reading);

    std::size_t count() const override;
    std::u16string name(std::size_t position) const override;
    bool isSelected(std::size_t position) const override;
    void setSelected(std::size_t position, bool selected) override;
    void setPath(const std::filesystem::path& folder) override;

    // Selects the entries with those bare names, compared as the file system
    // spells them (bytes on POSIX), not as shown; other entries keep their
    // state, and names not listed are passed over.
    void selectFiles(const std::vector<std::filesystem::path>& names);

    // Brings the view's selection in line with the flags now, rather than
    // when the event loop next runs.
    void applySelectionToView();

private:
    void checkPosition(std::size_t position) const;
    void takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected);

    QListView& view_;
    SharedFolderRead& reading_;
    QStringListModel* model_;
    // The entries' names as the file system spells them, in the list's order.
    std::vector<std::filesystem::path> files_;
    std::vector<char> selected_;
    bool viewUpdatePending_ = false;
    bool updatingView_ = false;
};

} // namespace tavrosk

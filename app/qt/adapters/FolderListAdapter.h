#pragma once

#include "navigation/ClassicFolderList.h"

#include <QObject>

#include <functional>

class QTreeWidget;

namespace tavrosk::qt {

// Dir1's rows in a tree drawn as a classic folder list, each row nested in
// the one above it that is one level less indented, with the folder's full
// path as its tooltip. Opening a row (a double-click, or Enter) is handed to
// opened with its position.
class FolderListAdapter final : public QObject, public FolderListView {
    Q_OBJECT
public:
    FolderListAdapter(QTreeWidget& tree, std::function<void(std::size_t row)> opened);

    void showRows(const std::vector<FolderRow>& rows, std::size_t current) override;

private:
    QTreeWidget& tree_;
    std::vector<FolderRow> rows_;  // what the tree's rows show
};

} // namespace tavrosk::qt

#pragma once

#include "model/FolderList.h"

#include <QObject>

#include <filesystem>

class QTreeWidget;
class QTreeWidgetItem;

namespace tavrosk {

class FailureReport;
class SharedFolderRead;

// Dir1: a classic folder list. It shows the current folder's ancestors from
// the root down, the current folder open, and its subfolders below it;
// opening one (double-click or Enter) makes it current.
class FolderListAdapter final : public QObject, public FolderList {
    Q_OBJECT
public:
    // Failures of the user's own opening of a folder go to report.
    FolderListAdapter(QTreeWidget& tree, SharedFolderRead& reading, FailureReport& report);

    std::filesystem::path path() const override;
    void setPath(const std::filesystem::path& path) override;

    // Shows that folder without raising the change notification (start-up).
    void show(const std::filesystem::path& folder);

private:
    void open(const std::filesystem::path& folder);
    void openItem(QTreeWidgetItem* item);

    QTreeWidget& tree_;
    SharedFolderRead& reading_;
    FailureReport& report_;
    std::filesystem::path current_;
};

} // namespace tavrosk

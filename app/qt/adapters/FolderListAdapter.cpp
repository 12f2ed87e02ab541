#include "app/qt/adapters/FolderListAdapter.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>

#include <utility>

namespace tavrosk::qt {

namespace {

constexpr int kRowRole = Qt::UserRole;

} // namespace

FolderListAdapter::FolderListAdapter(QTreeWidget& tree, std::function<void(std::size_t row)> opened)
    : QObject(&tree), tree_(tree) {
    connect(&tree_, &QTreeWidget::itemActivated, this, [opened = std::move(opened)](QTreeWidgetItem* item) {
        if (item)
            opened(item->data(0, kRowRole).value<std::size_t>());
    });
}

void FolderListAdapter::showRows(const std::vector<FolderRow>& rows, std::size_t current) {
    const QIcon openIcon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    tree_.clear();
    // The last row shown at each depth: the parent of the next row one deeper.
    std::vector<QTreeWidgetItem*> parents;
    QTreeWidgetItem* currentItem = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FolderRow& row = rows[i];
        const auto depth = static_cast<std::size_t>(row.depth);
        auto* item = depth == 0 ? new QTreeWidgetItem(&tree_) : new QTreeWidgetItem(parents.at(depth - 1));
        item->setText(0, QString::fromStdU16String(row.text));
        item->setIcon(0, row.open ? openIcon : closedIcon);
        item->setData(0, kRowRole, QVariant::fromValue(i));
        parents.resize(depth);
        parents.push_back(item);
        if (i == current)
            currentItem = item;
    }
    tree_.expandAll();
    tree_.setCurrentItem(currentItem);
    tree_.scrollToItem(currentItem);
}

} // namespace tavrosk::qt

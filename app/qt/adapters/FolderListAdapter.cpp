#include "app/qt/adapters/FolderListAdapter.h"

#include "navigation/NameText.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>

#include <utility>

namespace tavrosk::qt {

namespace {

constexpr int kRowRole = Qt::UserRole;

// A row whose tooltip gives its folder's full path, made when it is asked
// for.
class FolderItem final : public QTreeWidgetItem {
public:
    FolderItem(QTreeWidget* tree, const FolderRow& row) : QTreeWidgetItem(tree), row_(row) {}
    FolderItem(QTreeWidgetItem* parent, const FolderRow& row) : QTreeWidgetItem(parent), row_(row) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::ToolTipRole)
            return QString::fromStdU16String(PathText(row_.path));
        return QTreeWidgetItem::data(column, role);
    }

private:
    const FolderRow& row_;
};

} // namespace

FolderListAdapter::FolderListAdapter(QTreeWidget& tree, std::function<void(std::size_t row)> opened)
    : QObject(&tree), tree_(tree) {
    connect(&tree_, &QTreeWidget::itemActivated, this, [opened = std::move(opened)](QTreeWidgetItem* item) {
        if (item)
            opened(item->data(0, kRowRole).value<std::size_t>());
    });
}

void FolderListAdapter::showRows(const std::vector<FolderRow>& shown, std::size_t current) {
    tree_.clear();
    rows_ = shown;
    const std::vector<FolderRow>& rows = rows_;
    const QIcon openIcon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The last row shown at each depth: the parent of the next row one deeper.
    std::vector<QTreeWidgetItem*> parents;
    QTreeWidgetItem* currentItem = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FolderRow& row = rows[i];
        const auto level = static_cast<std::size_t>(row.indent);
        auto* item = level == 0 ? new FolderItem(&tree_, row) : new FolderItem(parents.at(level - 1), row);
        item->setText(0, QString::fromStdU16String(row.text));
        item->setIcon(0, row.open ? openIcon : closedIcon);
        item->setData(0, kRowRole, QVariant::fromValue(i));
        parents.resize(level);
        parents.push_back(item);
        if (i == current)
            currentItem = item;
    }
    tree_.expandAll();
    tree_.setCurrentItem(currentItem);
    tree_.scrollToItem(currentItem);
}

} // namespace tavrosk::qt

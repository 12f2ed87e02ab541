#include "app/adapters/FolderListAdapter.h"

#include "app/adapters/NaturalOrder.h"
#include "app/adapters/SharedFolderRead.h"
#include "commands/RunCommand.h"
#include "navigation/FolderChain.h"
#include "navigation/NameText.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>


namespace tavrosk {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString itemText(const std::filesystem::path& path) {
    const std::filesystem::path name = path.filename();
    return QString::fromStdU16String(PathText(name.empty() ? path : name));
}

// Item data keeps the path exactly, also where its bytes are not text.
QVariant pathData(const std::filesystem::path& path) {
    return QByteArray::fromStdString(path.native());
}

std::filesystem::path pathOf(const QTreeWidgetItem& item) {
    return std::filesystem::path(item.data(0, kPathRole).toByteArray().toStdString());
}

} // namespace

FolderListAdapter::FolderListAdapter(QTreeWidget& tree, SharedFolderRead& reading, FailureReport& report)
    : QObject(&tree), tree_(tree), reading_(reading), report_(report) {
    connect(&tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { openItem(item); });
}

std::filesystem::path FolderListAdapter::path() const {
    return current_;
}

void FolderListAdapter::setPath(const std::filesystem::path& path) {
    open(path);
}

void FolderListAdapter::openItem(QTreeWidgetItem* item) {
    // Opening the row of the folder that is open already changes nothing:
    // the file list and its selection stay.
    if (item && pathOf(*item) != current_)
        RunCommand(report_, [this, item] { open(pathOf(*item)); });
}

void FolderListAdapter::open(const std::filesystem::path& folder) {
    show(folder);
    changed().raise();
}

void FolderListAdapter::show(const std::filesystem::path& requested) {
    const std::filesystem::path folder = NormalisedFolder(requested);
    // Read first: a folder that cannot be read leaves the list as it was.
    FolderContents contents = reading_.read(folder);

    const std::vector<std::filesystem::path> chain = FolderChain(folder);

    const QIcon openIcon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    tree_.clear();
    QTreeWidgetItem* parent = nullptr;
    for (const std::filesystem::path& ancestor : chain) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree_);
        item->setText(0, itemText(ancestor));
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, pathData(ancestor));
        parent = item;
    }

    QStringList names;
    for (const std::filesystem::path& sub : contents.subfolders)
        names.push_back(QString::fromStdU16String(PathText(sub)));
    for (qsizetype i : NaturalOrder(names)) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, names[i]);
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, pathData(folder / contents.subfolders[static_cast<std::size_t>(i)]));
    }
    tree_.expandAll();
    tree_.setCurrentItem(parent);
    tree_.scrollToItem(parent);
    current_ = folder;
    reading_.keep(folder, std::move(contents));
}

} // namespace tavrosk

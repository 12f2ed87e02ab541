#pragma once

#include <QTreeWidget>

namespace tavrosk::qt {

// A tree drawn as a classic folder list: indented rows with folder icons,
// no expand and collapse markers, every level always open.
class FolderTree final : public QTreeWidget {
public:
    explicit FolderTree(QWidget* parent) : QTreeWidget(parent) {
        setHeaderHidden(true);
        setRootIsDecorated(false);
        setItemsExpandable(false);
        setUniformRowHeights(true);
        setIndentation(fontMetrics().horizontalAdvance(QLatin1Char('M')));
    }

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

} // namespace tavrosk::qt

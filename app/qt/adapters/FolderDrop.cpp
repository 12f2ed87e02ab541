#include "app/qt/adapters/FolderDrop.h"

#include "navigation/HandedOver.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <utility>

namespace tavrosk::qt {

namespace {

// Read as bytes rather than through QUrl, which turns escapes that are not
// UTF-8 into replacement characters.
const QString kUriList = QStringLiteral("text/uri-list");

// The local paths a drop names; empty for anything else.
std::vector<std::filesystem::path> droppedPaths(const QMimeData& data) {
    const QByteArray list = data.data(kUriList);
    return PathsFromUriList(std::string_view(list.constData(), static_cast<std::size_t>(list.size())));
}

} // namespace

FolderDrop::FolderDrop(QWidget& window, Open open) : QObject(&window), open_(std::move(open)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* control : window.findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool FolderDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasFormat(kUriList))
        return QObject::eventFilter(watched, event);
    // The data is fetched from the dragging program once, on entering.
    if (type == QEvent::DragEnter)
        dropped_ = droppedPaths(*drop->mimeData());
    // Links and other URIs are refused everywhere, text fields included.
    if (dropped_.empty()) {
        drop->ignore();
        return true;
    }
    // Copy, never move: on a move the file manager would delete what it sent.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        open_(std::exchange(dropped_, {}));
    return true;
}

} // namespace tavrosk::qt

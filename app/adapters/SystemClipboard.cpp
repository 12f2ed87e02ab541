#include "app/adapters/SystemClipboard.h"

#include "model/OperationFailed.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tavrosk {

void SystemClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void SystemClipboard::setText(const std::u16string& text) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QString::fromStdU16String(text));
    // On X11 and Windows the clipboard has one owner at a time, and taking it
    // can fail (another program holds it); the list then stays in the window.
    const QString platform = QGuiApplication::platformName();
    const bool hasOwner = platform == QLatin1String("xcb") || platform == QLatin1String("windows");
    if (hasOwner && !clipboard.ownsClipboard())
        throw OperationFailed(u"クリップボードに書き込めません。ほかのプログラムが使用中の可能性があります。",
                              "the clipboard's ownership could not be taken");
}

bool SystemClipboard::hasPlainText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace tavrosk

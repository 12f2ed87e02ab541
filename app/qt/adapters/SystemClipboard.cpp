#include "app/qt/adapters/SystemClipboard.h"

#include "app/qt/platform/ClipboardOwner.h"
#include "model/OperationFailed.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>

#include <utility>

namespace tavrosk::qt {

namespace {

// How long a program that will not let go of the clipboard has to take it
// straight back before the text counts as set.
constexpr qint64 kSettleMilliseconds = 20;

} // namespace

void SystemClipboard::clear() {
    holderBefore_ = ClipboardHolder();
    CatchUpWithClipboardTime();
    QGuiApplication::clipboard()->clear();
}

void SystemClipboard::setText(const std::u16string& text) {
    // A program that will not let go of the clipboard held it before and
    // takes it straight back; any other program taking it after this copy
    // was simply copying too, after the list had reached the clipboard.
    const unsigned before = holderBefore_ ? std::exchange(holderBefore_, 0u) : ClipboardHolder();
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
    QElapsedTimer settling;
    settling.start();
    bool owned = ClipboardOwnedHere();
    while (owned && settling.elapsed() < kSettleMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
        owned = ClipboardOwnedHere();
    }
    if (owned)
        return;
    if (const unsigned holder = ClipboardHolder(); holder == 0 || holder == before)
        throw OperationFailed(u"クリップボードに書き込めません。ほかのプログラムが使用中の可能性があります。",
                              "the clipboard's ownership could not be kept");
}

// An empty text is offered on X11 too, but LibreOffice cannot read it back.
bool SystemClipboard::hasPlainText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

} // namespace tavrosk::qt

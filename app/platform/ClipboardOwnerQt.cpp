#include "app/platform/ClipboardOwner.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tavrosk {

bool ClipboardOwnedHere() {
    return QGuiApplication::clipboard()->ownsClipboard();
}

} // namespace tavrosk

#include "app/qt/platform/ClipboardOwner.h"

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tavrosk::qt {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Sees a change of one property of one window go by, and lets Qt handle it
// as ever: Qt takes its time from it.
class PropertyChangeSeen final : public QAbstractNativeEventFilter {
public:
    PropertyChangeSeen(xcb_window_t window, xcb_atom_t property) : window_(window), property_(property) {}

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            seen = seen || (change->window == window_ && change->atom == property_);
        }
        return false;
    }

    bool seen = false;

private:
    xcb_window_t window_;
    xcb_atom_t property_;
};

} // namespace

void CatchUpWithClipboardTime() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QWindow* window = QGuiApplication::focusWindow();
    for (QWindow* topLevel : QGuiApplication::topLevelWindows())
        if (!window && topLevel->handle())
            window = topLevel;
    if (!x11 || !x11->connection() || !window)
        return;
    xcb_connection_t* connection = x11->connection();
    static const xcb_atom_t stamp = internAtom(connection, "_TAVROSK_TIME");
    const auto id = static_cast<xcb_window_t>(window->winId());
    // Changing a property of the program's own window makes the server
    // send the change with its time.
    PropertyChangeSeen change(id, stamp);
    QCoreApplication::instance()->installNativeEventFilter(&change);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, stamp, XCB_ATOM_INTEGER, 32, 0, nullptr);
    xcb_flush(connection);
    QElapsedTimer waiting;
    waiting.start();
    while (!change.seen && waiting.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    QCoreApplication::instance()->removeNativeEventFilter(&change);
    xcb_delete_property(connection, id, stamp);
}

unsigned ClipboardHolder() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return 0;
    xcb_connection_t* connection = x11->connection();
    static const xcb_atom_t clipboard = internAtom(connection, "CLIPBOARD");
    auto* reply = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboard), nullptr);
    const xcb_window_t owner = reply ? reply->owner : xcb_window_t{XCB_NONE};
    std::free(reply);
    // Every window a client makes carries that client's resource id base.
    return owner == XCB_NONE ? 0 : owner & ~xcb_get_setup(connection)->resource_id_mask;
}

bool ClipboardOwnedHere() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return QGuiApplication::clipboard()->ownsClipboard();
    const unsigned holder = ClipboardHolder();
    return holder != 0 && holder == xcb_get_setup(x11->connection())->resource_id_base;
}

} // namespace tavrosk::qt

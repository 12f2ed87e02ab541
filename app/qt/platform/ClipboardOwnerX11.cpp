#include "app/qt/platform/ClipboardOwner.h"

#include <QClipboard>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace tavrosk::qt {

bool ClipboardOwnedHere() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return QGuiApplication::clipboard()->ownsClipboard();
    xcb_connection_t* connection = x11->connection();
    static const xcb_atom_t clipboard = [connection] {
        auto* reply = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 9, "CLIPBOARD"), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }();
    auto* reply = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboard), nullptr);
    const xcb_window_t owner = reply ? reply->owner : xcb_window_t{XCB_NONE};
    std::free(reply);
    // Every window this connection made carries its resource id base.
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return owner != XCB_NONE && (owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

} // namespace tavrosk::qt

#include "app/qt/platform/MakeTopmost.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tavrosk::qt {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

// Before the window is mapped the window manager reads its _NET_WM_STATE
// property; add "above" to what is there.
void addAboveToProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state, xcb_atom_t above) {
    std::vector<xcb_atom_t> atoms;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(values, values + xcb_get_property_value_length(reply) / sizeof(xcb_atom_t));
    }
    std::free(reply);
    if (std::find(atoms.begin(), atoms.end(), above) == atoms.end())
        atoms.push_back(above);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size()), atoms.data());
}

// Once it is mapped the window manager takes requests as client messages.
void requestAbove(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root, xcb_atom_t state,
                  xcb_atom_t above) {
    constexpr uint32_t kAdd = 1;
    constexpr uint32_t kFromApplication = 1;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = state;
    event.data.data32[0] = kAdd;
    event.data.data32[1] = above;
    event.data.data32[2] = 0;
    event.data.data32[3] = kFromApplication;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

void MakeTopmost(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto native = static_cast<xcb_window_t>(window.winId());

    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t above = atom(connection, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || above == XCB_ATOM_NONE)
        return;

    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, native), nullptr);
    const bool mapped = attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    std::free(attributes);

    if (mapped) {
        const xcb_setup_t* setup = xcb_get_setup(connection);
        requestAbove(connection, native, xcb_setup_roots_iterator(setup).data->root, state, above);
    } else {
        addAboveToProperty(connection, native, state, above);
    }
    xcb_flush(connection);
}

} // namespace tavrosk::qt

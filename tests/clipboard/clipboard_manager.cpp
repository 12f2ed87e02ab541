// A minimal X11 clipboard manager for the tests: owns CLIPBOARD_MANAGER and,
// when a program that is about to exit asks it to SAVE_TARGETS, takes a copy
// of the clipboard's text and serves it from then on. Prints "ready" once it
// is the manager and "saved" after each handover.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_connection_t* connection;
xcb_window_t window;

xcb_atom_t Atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

void Notify(const xcb_selection_request_event_t& request, xcb_atom_t property) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
    xcb_flush(connection);
}

xcb_generic_event_t* WaitFor(uint8_t type) {
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7f) == type)
            return event;
        std::free(event);
    }
    return nullptr;
}

// Asks the clipboard's owner for its text, as UTF8_STRING, into a property of
// our own window.
std::string FetchClipboardText(xcb_atom_t clipboard, xcb_atom_t utf8, xcb_atom_t into) {
    xcb_convert_selection(connection, window, clipboard, utf8, into, XCB_CURRENT_TIME);
    xcb_flush(connection);
    std::free(WaitFor(XCB_SELECTION_NOTIFY));
    auto* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 1, window, into, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24), nullptr);
    std::string text;
    if (reply)
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}

} // namespace

int main() {
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);
    const xcb_atom_t manager = Atom("CLIPBOARD_MANAGER");
    const xcb_atom_t clipboard = Atom("CLIPBOARD");
    const xcb_atom_t saveTargets = Atom("SAVE_TARGETS");
    const xcb_atom_t targets = Atom("TARGETS");
    const xcb_atom_t utf8 = Atom("UTF8_STRING");
    const xcb_atom_t saved = Atom("TAVROSK_TEST_SAVED");
    xcb_set_selection_owner(connection, window, manager, XCB_CURRENT_TIME);
    xcb_flush(connection);
    std::puts("ready");
    std::fflush(stdout);

    std::string text;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST) {
            const auto request = *reinterpret_cast<xcb_selection_request_event_t*>(event);
            if (request.selection == manager && request.target == saveTargets) {
                text = FetchClipboardText(clipboard, utf8, saved);
                xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
                Notify(request, request.property);
                std::puts("saved");
                std::fflush(stdout);
            } else if (request.selection == clipboard && request.target == targets) {
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, request.property,
                                    XCB_ATOM_ATOM, 32, 1, &utf8);
                Notify(request, request.property);
            } else if (request.selection == clipboard && request.target == utf8) {
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, request.property, utf8, 8,
                                    static_cast<uint32_t>(text.size()), text.data());
                Notify(request, request.property);
            } else {
                Notify(request, XCB_ATOM_NONE);
            }
        }
        std::free(event);
    }
    return 0;
}

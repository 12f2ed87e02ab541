// A program that holds the X clipboard and will not let go: whenever another
// client takes it, it takes it straight back. It answers no request for the
// content. It runs until it is killed.

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

int main() {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t window = xcb_generate_id(x);
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      screen->root_visual, 0, nullptr);
    auto* reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, 9, "CLIPBOARD"), nullptr);
    const xcb_atom_t clipboard = reply->atom;
    std::free(reply);

    xcb_set_selection_owner(x, window, clipboard, XCB_CURRENT_TIME);
    xcb_flush(x);
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const auto type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_CLEAR) {
            xcb_set_selection_owner(x, window, clipboard, XCB_CURRENT_TIME);
        } else if (type == XCB_SELECTION_REQUEST) {
            const auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
            xcb_selection_notify_event_t refusal{};
            refusal.response_type = XCB_SELECTION_NOTIFY;
            refusal.requestor = request->requestor;
            refusal.selection = request->selection;
            refusal.target = request->target;
            refusal.property = XCB_ATOM_NONE;
            refusal.time = request->time;
            xcb_send_event(x, 0, request->requestor, 0, reinterpret_cast<const char*>(&refusal));
        }
        xcb_flush(x);
        std::free(event);
    }
    return 0;
}

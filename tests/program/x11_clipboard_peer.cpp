// Another X11 program for the clipboard tests, in one of three modes:
//   hog      holds CLIPBOARD and takes it straight back whenever another
//            program takes it; it serves nobody.
//   follower copies "after" within a millisecond of the next program that
//            copies, and serves it.
//   manager  a minimal clipboard manager: owns CLIPBOARD_MANAGER and, when a
//            program about to exit asks it to SAVE_TARGETS, copies the
//            clipboard's text and serves it from then on.
// Prints "ready" once it is in place and, as manager, "saved" per handover.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

xcb_connection_t* x;
xcb_window_t window;

// A reply or an event of the server's, freed as xcb asks.
template <typename T>
std::unique_ptr<T, decltype(&std::free)> owned(T* pointer) {
    return {pointer, &std::free};
}

xcb_atom_t atom(const char* name) {
    const auto reply = owned(xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t owner(xcb_atom_t selection) {
    const auto reply = owned(xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, selection), nullptr));
    return reply ? reply->owner : xcb_window_t{XCB_NONE};
}

// The clipboard owner's text, as UTF8_STRING, through a property of ours.
std::string clipboardText(xcb_atom_t clipboard, xcb_atom_t utf8, xcb_atom_t into) {
    xcb_convert_selection(x, window, clipboard, utf8, into, XCB_CURRENT_TIME);
    xcb_flush(x);
    for (auto event = owned(xcb_wait_for_event(x)); event && (event->response_type & 0x7f) != XCB_SELECTION_NOTIFY;)
        event = owned(xcb_wait_for_event(x));
    const auto reply = owned(
        xcb_get_property_reply(x, xcb_get_property(x, 1, window, into, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24), nullptr));
    if (!reply)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc == 2 ? argv[1] : "";
    const bool hog = mode == "hog", follower = mode == "follower";
    x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    window = xcb_generate_id(x);
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      screen->root_visual, 0, nullptr);
    const xcb_atom_t clipboard = atom("CLIPBOARD"), manager = atom("CLIPBOARD_MANAGER"),
                     saveTargets = atom("SAVE_TARGETS"), targets = atom("TARGETS"), utf8 = atom("UTF8_STRING"),
                     saved = atom("TAVROSK_TEST_SAVED");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each line read as it is said
    std::string text;
    if (follower) {
        const xcb_window_t first = owner(clipboard);
        std::puts("ready");
        while (owner(clipboard) == first)
            usleep(500);
        text = "after";
    }
    xcb_set_selection_owner(x, window, hog || follower ? clipboard : manager, XCB_CURRENT_TIME);
    // A round trip: "ready" means the server has made this program the owner.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    if (!follower)
        std::puts("ready");

    while (const auto event = owned(xcb_wait_for_event(x))) {
        const auto type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_CLEAR && hog) {
            xcb_set_selection_owner(x, window, clipboard, XCB_CURRENT_TIME);
        } else if (type == XCB_SELECTION_REQUEST) {
            const auto request = *reinterpret_cast<xcb_selection_request_event_t*>(event.get());
            const bool toClipboard = !hog && request.selection == clipboard;
            xcb_atom_t property = request.property;
            if (!hog && request.selection == manager && request.target == saveTargets) {
                text = clipboardText(clipboard, utf8, saved);
                xcb_set_selection_owner(x, window, clipboard, XCB_CURRENT_TIME);
                std::puts("saved");
            } else if (toClipboard && request.target == targets) {
                xcb_change_property(x, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32, 1, &utf8);
            } else if (toClipboard && request.target == utf8) {
                xcb_change_property(x, XCB_PROP_MODE_REPLACE, request.requestor, property, utf8, 8,
                                    static_cast<uint32_t>(text.size()), text.data());
            } else {
                property = XCB_ATOM_NONE;  // refused: the hog serves nobody
            }
            const xcb_selection_notify_event_t notify{XCB_SELECTION_NOTIFY, 0, 0, request.time, request.requestor,
                                                      request.selection, request.target, property};
            char sent[32] = {};  // xcb_send_event sends 32 bytes, more than the event holds
            std::memcpy(sent, &notify, sizeof notify);
            xcb_send_event(x, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, sent);
        }
        xcb_flush(x);
    }
}

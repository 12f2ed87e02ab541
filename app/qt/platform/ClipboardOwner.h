#pragma once

namespace tavrosk::qt {

// Whether the system clipboard belongs to this program right now, as the
// window system itself says (on X11, the owner of the CLIPBOARD selection;
// elsewhere, as Qt knows it).
bool ClipboardOwnedHere();

// The program that holds the system clipboard right now, as one number per
// program (on X11, the client that owns the CLIPBOARD selection); 0 when
// nobody does or the window system does not say.
unsigned ClipboardHolder();

// Brings the time Qt asks for the clipboard with up to the window system's
// now. On X11 Qt asks with the time of the last event it has seen, and the
// server ignores a request older than the clipboard's last change: another
// program that copied after that event (just before the click, or before a
// click that never passed through the server) would keep the clipboard.
void CatchUpWithClipboardTime();

} // namespace tavrosk::qt

#pragma once

namespace tavrosk::qt {

// Whether the system clipboard belongs to this program right now, as the
// window system itself says (on X11, the owner of the CLIPBOARD selection;
// elsewhere, as Qt knows it).
bool ClipboardOwnedHere();

} // namespace tavrosk::qt

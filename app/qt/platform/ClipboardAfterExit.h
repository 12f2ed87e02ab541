#pragma once

namespace tavrosk::qt {

// Called as the tool exits, while the application object still exists: makes
// sure that text this program put on the clipboard can still be pasted after
// it has gone.
void KeepClipboardAfterExit();

} // namespace tavrosk::qt

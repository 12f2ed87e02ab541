#include "app/platform/ClipboardAfterExit.h"

namespace tavrosk {

// On Windows the clipboard is the system's: when Qt's OLE clipboard shuts down
// with the application, the copied text is rendered onto it and stays there.
void KeepClipboardAfterExit() {}

} // namespace tavrosk

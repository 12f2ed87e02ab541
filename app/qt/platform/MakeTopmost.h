#pragma once

class QWidget;

namespace tavrosk::qt {

// Keeps the window above every window that is not itself topmost, also while
// another program is active, without moving or resizing it. One
// implementation per platform; a failure leaves the window as it is.
void MakeTopmost(QWidget& window);

} // namespace tavrosk::qt

#include "app/platform/Topmost.h"

#include "app/win32/MakeTopmost.h"

#include <QWidget>

namespace tavrosk {

void MakeTopmost(QWidget& window) {
    makeTopmost(reinterpret_cast<HWND>(window.winId()));
}

} // namespace tavrosk

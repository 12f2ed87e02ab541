#include "app/qt/platform/FreedMemory.h"

#include <QTimer>

#include <malloc.h>

namespace tavrosk::qt {

void ReturnFreedMemorySoon() {
    // Once for a click's several writes: the trim walks the whole heap.
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(0, [] {
        pending = false;
        malloc_trim(0);
    });
}

} // namespace tavrosk::qt

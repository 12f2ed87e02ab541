#include "app/win32/MessageBoxReport.h"

#include "app/ControlTable.h"
#include "app/win32/WideText.h"

#include <cstdio>

namespace tavrosk::win32 {

void MessageBoxReport::show(const OperationFailed& failure) {
    std::fprintf(stderr, "tavrosk: %s\n", failure.cause().c_str());
    const std::u16string title(controls::kWindowTitle);
    MessageBoxW(owner_, Wide(failure.userMessage()), Wide(title), MB_OK | MB_ICONWARNING);
}

} // namespace tavrosk::win32

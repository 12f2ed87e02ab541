#include "app/win32/MessageBoxReport.h"

#include "app/Texts.h"
#include "app/win32/WideText.h"

#include <cstdio>

namespace tavrosk::win32 {

void MessageBoxReport::show(const OperationFailed& failure) {
    std::fprintf(stderr, "tavrosk: %s\n", failure.cause().c_str());
    // A failure at start shows the window first, so that the box stands over
    // it rather than alone on the screen.
    if (owner_ && !IsWindowVisible(owner_))
        ShowWindow(owner_, SW_SHOWNORMAL);
    const std::u16string title(texts::kWindowTitle);
    MessageBoxW(owner_, Wide(failure.userMessage()), Wide(title), MB_OK | MB_ICONWARNING);
}

bool MessageBoxReport::askRetry(const std::u16string& question) {
    const std::u16string title(texts::kWindowTitle);
    const bool retry = MessageBoxW(owner_, Wide(question), Wide(title), MB_RETRYCANCEL | MB_ICONWARNING) == IDRETRY;
    std::fprintf(stderr, "tavrosk: busy: the user chose %s\n", retry ? "retry" : "cancel");
    return retry;
}

} // namespace tavrosk::win32

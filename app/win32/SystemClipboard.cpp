#include "app/win32/SystemClipboard.h"

#include "model/OperationFailed.h"

#include <cstring>
#include <string>

namespace tavrosk::win32 {

namespace {

constexpr char16_t kHeld[] = u"クリップボードに書き込めません。ほかのプログラムが使用中の可能性があります。";

// Up to half a second for another program to close the clipboard again.
constexpr int kTries = 25;
constexpr DWORD kPauseMilliseconds = 20;

[[noreturn]] void fail(const char* step) {
    throw OperationFailed(kHeld, std::string(step) + " failed with error " + std::to_string(GetLastError()));
}

} // namespace

void SystemClipboard::open() {
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (OpenClipboard(owner_))
            return;
        Sleep(kPauseMilliseconds);
    }
    fail("OpenClipboard");
}

void SystemClipboard::clear() {
    open();
    const BOOL emptied = EmptyClipboard();
    CloseClipboard();
    if (!emptied)
        fail("EmptyClipboard");
}

void SystemClipboard::setText(const std::u16string& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        fail("GlobalAlloc");
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    try {
        open();
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
    // The clipboard owns the memory once it has taken it.
    const bool taken = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    if (!taken) {
        GlobalFree(memory);
        fail("SetClipboardData");
    }
}

bool SystemClipboard::hasPlainText() const {
    return IsClipboardFormatAvailable(CF_UNICODETEXT);
}

} // namespace tavrosk::win32

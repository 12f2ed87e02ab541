// Keeps Wine's desktop open while the tests run; started by
// run-under-wine.sh before ctest, ended by wineserver -k.
//
// Wine closes the desktop (and its explorer.exe) one second after the last
// program using it has gone, and the next program to create a window starts
// it again. Started from a test, explorer.exe inherits that test's output and
// ctest waits for it to close: about a second more for every test. This
// program is a desktop user that never leaves, so the desktop is started
// once, here, with its output going to the script's log instead.
#include <windows.h>

#include <cstdio>

int main() {
    // A hidden top-level window attaches this thread to the desktop; creating
    // it waits until the desktop is up.
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

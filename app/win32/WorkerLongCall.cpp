#include "app/win32/WorkerLongCall.h"

#include <objbase.h>

#include <utility>

namespace tavrosk::win32 {
namespace {

constexpr wchar_t kRelayClass[] = L"TavroskRelay";
constexpr UINT kRunTask = WM_APP;

LRESULT CALLBACK relayProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message != kRunTask)
        return DefWindowProcW(window, message, w, l);
    (*reinterpret_cast<const std::function<void()>*>(l))();
    return 0;
}

bool isUserInput(const MSG& message) {
    return (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) ||
           (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST && message.message != WM_MOUSEMOVE);
}

} // namespace

void RefreshCursor() {
    POINT point{};
    GetCursorPos(&point);
    HWND under = WindowFromPoint(point);
    if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId())
        return;
    const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

WorkerLongCall::WorkerLongCall()
    : start_(CreateEventW(nullptr, FALSE, FALSE, nullptr)), done_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    WNDCLASSW relayClass{};
    relayClass.lpfnWndProc = relayProcedure;
    relayClass.hInstance = GetModuleHandleW(nullptr);
    relayClass.lpszClassName = kRelayClass;
    RegisterClassW(&relayClass);
    relay_ = CreateWindowExW(0, kRelayClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, relayClass.hInstance, nullptr);
    worker_ = std::thread([this] { work(); });
}

WorkerLongCall::~WorkerLongCall() {
    stop_ = true;
    SetEvent(start_);
    worker_.join();
    DestroyWindow(relay_);
    CloseHandle(start_);
    CloseHandle(done_);
}

void WorkerLongCall::work() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (;;) {
        // A thread with a COM apartment has a window of COM's and pumps its
        // messages while it waits, so that no broadcast waits on it.
        if (MsgWaitForMultipleObjects(1, &start_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            continue;
        }
        if (stop_)
            break;
        try {
            (*call_)();
        } catch (...) {
            failure_ = std::current_exception();
        }
        SetEvent(done_);
    }
    CoUninitialize();
}

void WorkerLongCall::run(const std::function<void()>& call) {
    call_ = &call;
    SetEvent(start_);
    RefreshCursor();
    bool quit = false;
    WPARAM quitCode = 0;
    while (MsgWaitForMultipleObjectsEx(1, &done_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = message.wParam;
            } else if (!isUserInput(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    call_ = nullptr;
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void WorkerLongCall::onWindowThread(const std::function<void()>& task) {
    std::exception_ptr failure;
    const std::function<void()> guarded = [&] {
        try {
            task();
        } catch (...) {
            failure = std::current_exception();
        }
    };
    SendMessageW(relay_, kRunTask, 0, reinterpret_cast<LPARAM>(&guarded));
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace tavrosk::win32

#include "app/win32/ProgressSteps.h"

#include "app/ContextMenus.h"
#include "app/win32/WideText.h"
#include "model/StepsThread.h"

#include <commctrl.h>

#include <string>

namespace tavrosk::win32 {

namespace {

constexpr DWORD kQuietMilliseconds = 500;
constexpr wchar_t kClassName[] = L"TavroskProgress";
constexpr int kCancelId = IDCANCEL;

std::wstring countText(std::size_t done, std::size_t count) {
    return std::to_wstring(done) + L" / " + std::to_wstring(count);
}

// The progress window's own messages: its button, Escape and its close box
// all cancel.
LRESULT CALLBACK progressProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* steps = reinterpret_cast<StepsThread*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (steps && ((message == WM_COMMAND && LOWORD(w) == kCancelId) || message == WM_CLOSE)) {
        steps->cancel();
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

HWND createProgressWindow(HWND owner, StepsThread& steps, HWND& label) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = progressProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when already there

    const UINT dpi = owner ? GetDpiForWindow(owner) : 96;
    const auto px = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
    RECT frame{0, 0, px(280), px(96)};
    constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_DLGMODALFRAME, dpi);
    RECT over{};
    GetWindowRect(owner, &over);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const std::u16string title(menus::kReadingTitle), cancel(menus::kCancel);
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, Wide(title), style,
                                  (over.left + over.right - width) / 2, (over.top + over.bottom - height) / 2, width,
                                  height, owner, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&steps));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    label = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_CENTER, px(10), px(14), px(260), px(24),
                            window, nullptr, instance, nullptr);
    HWND button = CreateWindowExW(0, WC_BUTTONW, Wide(cancel), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                  px(95), px(52), px(90), px(30), window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelId)), instance, nullptr);
    for (HWND child : {label, button})
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The font goes with the window.
    SetPropW(window, L"TavroskFont", font);
    return window;
}

void destroyProgressWindow(HWND window) {
    auto font = static_cast<HFONT>(RemovePropW(window, L"TavroskFont"));
    DestroyWindow(window);
    DeleteObject(font);
}

} // namespace

bool ProgressSteps::run(std::size_t count, const std::function<void(std::size_t)>& step) {
    HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    StepsThread steps(count, step, [finished] { SetEvent(finished); });

    // The first half second: painting, posted and sent messages; input waits
    // in the queue.
    const ULONGLONG quietUntil = GetTickCount64() + kQuietMilliseconds;
    bool quit = false;
    MSG message;
    for (ULONGLONG now = GetTickCount64(); now < quietUntil; now = GetTickCount64()) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &finished, FALSE, static_cast<DWORD>(quietUntil - now),
                                                     QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_TIMEOUT)
            break;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE)) {
            quit = quit || message.message == WM_QUIT;
            DispatchMessageW(&message);
        }
    }
    if (WaitForSingleObject(finished, 0) != WAIT_OBJECT_0) {
        HWND label = nullptr;
        HWND window = createProgressWindow(owner_, steps, label);
        if (owner_)
            EnableWindow(owner_, FALSE);
        std::size_t shown = steps.done();
        SetWindowTextW(label, countText(shown, count).c_str());
        ShowWindow(window, SW_SHOW);
        while (MsgWaitForMultipleObjects(1, &finished, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quit = true;
                    steps.cancel();
                } else if (!IsDialogMessageW(window, &message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            if (steps.done() != shown) {
                shown = steps.done();
                SetWindowTextW(label, countText(shown, count).c_str());
            }
        }
        if (owner_)
            EnableWindow(owner_, TRUE);
        destroyProgressWindow(window);
        if (owner_)
            SetActiveWindow(owner_);
    }
    steps.wait();
    CloseHandle(finished);
    if (quit)
        PostQuitMessage(0);
    return steps.outcome();
}

} // namespace tavrosk::win32

#pragma once

// Drives the real tavrosk.exe from another process, as a user would: starts
// it in a folder, finds its window, clicks its buttons, reads its fields, its
// message boxes and the clipboard. A control is found by its ID, 1000 + its
// place in the tab order.

#include "../ControlTable.h"

#include <windows.h>

#include <string>

// Polls find() until it gives something, for up to ten seconds (or limit).
template <class Find>
auto waitFor(Find find, int limit = 10000) {
    for (int waited = 0;; waited += 10) {
        if (auto found = find(); found || waited > limit)
            return found;
        Sleep(10);
    }
}

inline std::u16string clipboardText() {
    if (!waitFor([] { return OpenClipboard(nullptr); }))
        return u"(clipboard not opened)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr;
    std::u16string copy = text ? text : u"(no text)";
    GlobalUnlock(data);
    CloseClipboard();
    return copy;
}

struct RunningExe {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;

    // Starts the program in folder, with arguments after its name on the
    // command line; false if its window did not show (not waited for when
    // the program answers in a box of its own).
    bool start(const std::wstring& exe, const std::wstring& folder, const std::wstring& arguments = L"",
               bool showsWindow = true) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring line = L"\"" + exe + L"\" " + arguments;
        if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                            &process))
            return false;
        window = showsWindow ? waitFor([this] { return ownWindow(L"TavroskForm1", nullptr); }) : nullptr;
        return window || !showsWindow;
    }

    void close() {
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (process.hProcess && WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
    }
    ~RunningExe() { close(); }

    HWND ownWindow(const wchar_t* windowClass, const wchar_t* title) const {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, windowClass, title));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(w))
                return w;
        }
        return HWND{};
    }

    HWND control(Tab tab) const { return GetDlgItem(window, 1000 + tab); }
    HWND focus() const {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(process.dwThreadId, &thread);
        return thread.hwndFocus;
    }
    // Presses a key on the control with the focus, as the keyboard does, and
    // waits until what it does is seen.
    template <class Done>
    bool press(WPARAM key, Done done) const {
        PostMessageW(focus(), WM_KEYDOWN, key, 0);
        PostMessageW(focus(), WM_KEYUP, key, 0);
        return waitFor(done);
    }
    // Returns when the command the click runs has ended.
    void click(Tab tab) const { SendMessageW(control(tab), BM_CLICK, 0, 0); }

    std::u16string text(Tab tab) const {
        std::u16string text(static_cast<size_t>(SendMessageW(control(tab), WM_GETTEXTLENGTH, 0, 0)) + 1, u'\0');
        text.resize(static_cast<size_t>(SendMessageW(control(tab), WM_GETTEXT, text.size(),
                                                     reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }

    // The text of the box over the window, closed with the button given.
    std::u16string answerBox(int button = IDOK) const {
        // A busy application is asked for 10 s before the question shows.
        HWND box = waitFor([this] { return ownWindow(L"#32770", L"タヴロスク作成支援ツール"); }, 20000);
        wchar_t text[512] = L"(no message box)";
        GetDlgItemTextW(box, 0xFFFF, text, 512);  // the box's text is its static control 0xFFFF
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        waitFor([&] { return !IsWindow(box); });
        return reinterpret_cast<const char16_t*>(text);
    }
};

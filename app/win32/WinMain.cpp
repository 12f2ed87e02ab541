// tavrosk.exe: the tool's Win32 window over the core, Excel through COM.
#include "app/Texts.h"
#include "app/win32/Form1.h"
#include "app/win32/MakeTopmost.h"
#include "app/win32/MessageBoxReport.h"
#include "app/win32/ProgressSteps.h"
#include "app/win32/WideText.h"
#include "app/win32/WorkerLongCall.h"
#include "export/excel/ComApartment.h"
#include "export/excel/ExcelServer.h"
#include "navigation/CommandLine.h"
#include "tags/TagLibTitleReader.h"

#include <commctrl.h>
#include <shellapi.h>

#include <filesystem>
#include <vector>

namespace {

// The command line (Explorer passes a folder or files dropped on the
// program's icon this way), without the program's own name. "/?", the
// Windows way to ask for help, asks as "--help" does (no name holds a '?').
std::vector<std::filesystem::path> arguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::filesystem::path> paths;
    for (int i = 1; arguments && i < count; ++i)
        paths.emplace_back(std::wstring_view(arguments[i]) == L"/?" ? L"--help" : arguments[i]);
    LocalFree(arguments);
    return paths;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    using namespace tavrosk;
    const CommandLine line = ReadCommandLine(arguments());
    if (line.asks != CommandLine::Asks::Start) {
        // A program without a console answers in a box.
        const bool unknown = line.asks == CommandLine::Asks::UnknownOption;
        const std::u16string text =
            unknown ? std::u16string(texts::kUnknownOption) + line.paths.front().u16string() + u"\n\n" +
                          std::u16string(texts::kUsage)
                    : std::u16string(line.asks == CommandLine::Asks::Usage ? texts::kUsage : texts::kVersion);
        const std::u16string title(texts::kWindowTitle);
        MessageBoxW(nullptr, win32::Wide(text), win32::Wide(title), MB_OK | (unknown ? MB_ICONERROR : MB_ICONINFORMATION));
        return unknown ? 2 : 0;
    }
    // An empty drive is reported by the tool, not by a system dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    // The window's thread names its controls for screen readers through COM.
    const excel::ComApartment apartment;

    win32::MessageBoxReport report;
    // The export calls the spreadsheet application from a worker thread;
    // a question to the user is asked over the window, from its thread.
    win32::WorkerLongCall longCall;
    excel::ExcelServer spreadsheet([&](const std::u16string& question) {
        bool retry = false;
        longCall.onWindowThread([&] { retry = report.askRetry(question); });
        return retry;
    });
    const TagLibTitleReader titles;
    win32::ProgressSteps steps;
    win32::Form1 form(report, spreadsheet, longCall, titles, steps);
    HWND window = form.create();
    if (!window)
        return 1;
    steps.setOwner(window);
    win32::MakeTopmost(window);
    report.setOwner(window);
    form.core().start(line.paths);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

// tavrosk.exe: the tool's Win32 window over the core, Excel through COM.
#include "app/win32/Form1Window.h"
#include "app/win32/MakeTopmost.h"
#include "app/win32/MessageBoxReport.h"
#include "export/LongCall.h"
#include "export/excel/ComApartment.h"
#include "export/excel/CreateExcelServer.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    using namespace tavrosk;
    // An empty drive is reported by the tool, not by a system dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    // The export calls Excel from this, the window's thread, in its
    // single-threaded apartment.
    const excel::ComApartment apartment;

    win32::MessageBoxReport report;
    const auto spreadsheet = excel::createExcelServer();
    DirectCall direct;
    win32::Form1Window form(report, *spreadsheet, direct);
    std::error_code error;
    HWND window = form.create(std::filesystem::current_path(error));
    if (!window)
        return 1;
    report.setOwner(window);
    makeTopmost(window);
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

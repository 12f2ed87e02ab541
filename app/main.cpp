#include "app/Form1.h"
#include "app/MessageBoxReport.h"
#include "app/platform/ClipboardAfterExit.h"
#include "app/platform/Display.h"
#include "app/platform/SpreadsheetBackend.h"
#include "app/platform/Topmost.h"
#include "app/StartArguments.h"
#include "app/UiFont.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    // The window keeps itself on top through X11; under Wayland it runs
    // through XWayland where that is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    if (const std::string missing = tavrosk::MissingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrosk"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.tavrosk.Tavrosk"));

    using namespace tavrosk;
    UseJapaneseUiFont();
    MessageBoxReport report;
    SpreadsheetBackend spreadsheet = PlatformSpreadsheetBackend();
    Form1 form(report, *spreadsheet.server, *spreadsheet.longCall);
    report.setParent(&form);
    QApplication::setWindowIcon(form.windowIcon());

    ShowStartFolder(form, report, StartArguments(argc, argv));
    MakeTopmost(form);
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    const int status = QApplication::exec();
    KeepClipboardAfterExit();
    return status;
}

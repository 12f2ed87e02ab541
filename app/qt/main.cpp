#include "app/qt/Form1.h"
#include "app/qt/MessageBoxReport.h"
#include "app/qt/platform/ClipboardAfterExit.h"
#include "app/qt/platform/Display.h"
#include "app/qt/platform/MakeTopmost.h"
#include "app/qt/platform/WorkerLongCall.h"
#include "app/qt/UiFont.h"
#include "export/libreoffice/CalcServer.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The command line's paths as the platform spells them (bytes), with Qt's
// own options already taken out.
std::vector<std::filesystem::path> startArguments(int argc, char* argv[]) {
    std::vector<std::filesystem::path> paths;
    for (int i = 1; i < argc; ++i)
        paths.emplace_back(argv[i]);
    return paths;
}

} // namespace

int main(int argc, char* argv[]) {
    // The window keeps itself on top through X11; under Wayland it runs
    // through XWayland where that is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    if (const std::string missing = tavrosk::qt::MissingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrosk"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.tavrosk.Tavrosk"));

    using namespace tavrosk::qt;
    UseJapaneseUiFont();
    MessageBoxReport report;
    // LibreOffice Calc, called from a worker thread so that the window keeps
    // serving the clipboard the office reads.
    tavrosk::libreoffice::CalcServer spreadsheet;
    WorkerLongCall longCall;
    Form1 form(report, spreadsheet, longCall);
    report.setParent(&form);
    QApplication::setWindowIcon(form.windowIcon());

    form.core().start(startArguments(argc, argv));
    MakeTopmost(form);
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    const int status = QApplication::exec();
    KeepClipboardAfterExit();
    return status;
}

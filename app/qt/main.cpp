#include "app/Texts.h"
#include "app/qt/Form1.h"
#include "app/qt/MessageBoxReport.h"
#include "app/qt/platform/ClipboardAfterExit.h"
#include "app/qt/platform/Display.h"
#include "app/qt/platform/MakeTopmost.h"
#include "app/qt/platform/WorkerLongCall.h"
#include "app/qt/platform/WorkerSteps.h"
#include "app/qt/JapaneseUi.h"
#include "export/libreoffice/CalcServer.h"
#include "navigation/CommandLine.h"
#include "tags/TagLibTitleReader.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The command line as the platform spells it (bytes), without the program's
// name.
std::vector<std::filesystem::path> argumentsOf(int argc, char* argv[]) {
    return {argv + std::min(argc, 1), argv + argc};
}

void print(std::u16string_view text, std::FILE* to = stdout) {
    std::fputs(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toUtf8().constData(), to);
}

// The exit status of a command line answered without the window, or -1.
int answer(const tavrosk::CommandLine& line) {
    using tavrosk::CommandLine;
    switch (line.asks) {
    case CommandLine::Asks::Usage: print(tavrosk::texts::kUsage); return 0;
    case CommandLine::Asks::Version: print(tavrosk::texts::kVersion), print(u"\n"); return 0;
    case CommandLine::Asks::UnknownOption:
        std::fprintf(stderr, "tavrosk: ");
        print(tavrosk::texts::kUnknownOption, stderr);
        std::fprintf(stderr, "%s\n", line.paths.front().c_str());
        print(tavrosk::texts::kUsage, stderr);
        return 2;
    case CommandLine::Asks::Start: break;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    using tavrosk::CommandLine;
    // Answered before anything else, with no display needed; an option
    // unknown here may still be one of Qt's own (-style), asked once Qt has
    // taken them out.
    const CommandLine line = tavrosk::ReadCommandLine(argumentsOf(argc, argv));
    if (line.asks != CommandLine::Asks::UnknownOption)
        if (const int status = answer(line); status >= 0)
            return status;

    // The window keeps itself on top through X11; under Wayland it runs
    // through XWayland where that is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    if (const std::string missing = tavrosk::qt::MissingDisplay(); !missing.empty()) {
        if (line.asks == CommandLine::Asks::UnknownOption)
            return answer(line);
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrosk"));
    QApplication::setApplicationVersion(QStringLiteral(TAVROSK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tavrosk.Tavrosk"));
    // Qt has taken its own options out of the command line by now.
    const CommandLine started = tavrosk::ReadCommandLine(argumentsOf(argc, argv));
    if (const int status = answer(started); status >= 0)
        return status;

    using namespace tavrosk::qt;
    UseJapaneseUi();
    MessageBoxReport report;
    // LibreOffice Calc, called from a worker thread so that the window keeps
    // serving the clipboard the office reads.
    tavrosk::libreoffice::CalcServer spreadsheet;
    WorkerLongCall longCall;
    const tavrosk::TagLibTitleReader titles;
    WorkerSteps steps;
    Form1 form(report, spreadsheet, longCall, titles, steps);
    report.setParent(&form);
    QApplication::setWindowIcon(form.windowIcon());
    MakeTopmost(form);
    // Centred; on a screen smaller than the window its title and left edge
    // stay on the screen.
    const QRect screen = form.screen()->availableGeometry();
    const QPoint centred = screen.center() - form.rect().center();
    form.move(std::max(screen.left(), centred.x()), std::max(screen.top(), centred.y()));

    form.core().start(started.paths);
    form.show();
    const int status = QApplication::exec();
    KeepClipboardAfterExit();
    return status;
}

// Times the tool's whole click sequence in the real window on folders of
// 1,024, 8,192 and 32,767 files, against the shell pipeline a user might run
// instead and against a bare directory read, and prints the figures.
//   window_bench TAVROSK_PROGRAM [WORK_FOLDER]
// Needs an X display with a window manager, xclip, bash, ls and sed.

#include "bench/FolderGenerator.h"

#include "app/qt/Form1.h"
#include "tags/TagLibTitleReader.h"
#include "app/qt/JapaneseUi.h"
#include "app/qt/platform/ClipboardOwner.h"
#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "commands/RunCommand.h"
#include "export/ClipboardExport.h"
#include "export/LongCall.h"
#include "export/SpreadsheetServer.h"
#include "tests/ClipboardElsewhere.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QStringListModel>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tavrosk;
using namespace tavrosk::qt;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct PrintingReport final : FailureReport {
    void show(const OperationFailed& failure) override {
        std::fprintf(stderr, "failure: %s\n", failure.cause().c_str());
    }
};

struct NoSpreadsheet final : SpreadsheetServer {
    std::unique_ptr<SpreadsheetApplication> createApplication() override { return nullptr; }
};

// Runs a step as a click would and then lets the window repaint; returns how
// long the window's thread was busy.
double click(QWidget& window, const std::function<void()>& step) {
    const auto start = Clock::now();
    step();
    QCoreApplication::processEvents();
    window.repaint();
    return millisecondsSince(start);
}

double rawDirectoryRead(const std::filesystem::path& folder) {
    const auto start = Clock::now();
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return millisecondsSince(start);
}

// The list widget's own part of a listing: a view set up and sized as File1
// taking names already read and sorted, and repainting.
double widgetFill(const std::filesystem::path& folder) {
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(QString::fromStdString(entry.path().filename().string()));
    names.sort();
    QListView view;
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setUniformItemSizes(true);
    view.setLayoutMode(QListView::Batched);
    view.resize(280, 438);
    QStringListModel model;
    view.setModel(&model);
    view.show();
    QCoreApplication::processEvents();
    return click(view, [&] { model.setStringList(names); });
}

// The same job done by the shell: list, strip the extensions, copy, and
// another process reads it back. The shell returns once xclip has forked
// into the background, and the background xclip may not own the clipboard
// yet: a reader started then asks this process, the owner since the
// window's copy, which would not answer while it waits for the reader. So
// the reader starts once the clipboard has left this process, as a paste
// after the pipeline finds it, and this process serves the clipboard while
// the reader runs.
double peerPipeline(const std::filesystem::path& folder) {
    std::string sed = "sed";
    for (std::u16string_view extension : kFixedExtensions) {
        std::string ext(extension.begin(), extension.end());
        sed += " -e 's/\\" + ext + "//g'";
    }
    sed += " -e 's/\\.ogg//g'";
    const std::string pipeline = "ls -1 '" + folder.string() + "' | " + sed + " | xclip -selection clipboard -loops 1";
    const auto start = Clock::now();
    QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromStdString(pipeline)});
    bool stillHere = true;
    while ((stillHere = ClipboardOwnedHere()) && millisecondsSince(start) < 10000)
        ;
    const QByteArray pasted = test::clipboardFromOtherProcess();
    const double elapsed = millisecondsSince(start);
    if (stillHere || pasted.isEmpty())
        std::fprintf(stderr, "the shell pipeline's list did not reach another process\n");
    return elapsed;
}

struct Figures {
    double raw = 0, fill = 0, listing = 0, select = 0, append = 0, strip = 0, copy = 0, peer = 0, longestClick = 0;
    double clicks() const { return select + append + strip + copy; }
    double whole() const { return listing + clicks(); }
};

Figures measureOnce(Form1& form, const std::filesystem::path& folder, int count) {
    FormState& state = form.state();
    Figures f;
    f.raw = rawDirectoryRead(folder);
    f.fill = widgetFill(folder);
    f.listing = click(form, [&] { state.dir1.setPath(folder); });
    f.select = click(form, [&] { SelectAllFiles(state); });
    f.append = click(form, [&] { AppendSelectedNames(state); });
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("ogg"));
    f.strip = click(form, [&] { StripExtensions(state); });
    const std::u16string expected = state.text1.text();
    const auto start = Clock::now();
    CopyListToClipboard(state);
    const QByteArray pasted = test::clipboardFromOtherProcess();
    f.copy = millisecondsSince(start);
    if (pasted != QString::fromStdU16String(expected).toUtf8() || state.file1.count() != static_cast<std::size_t>(count))
        std::fprintf(stderr, "the list read back does not match (%lld bytes, expected %lld)\n",
                     static_cast<long long>(pasted.size()),
                     static_cast<long long>(QString::fromStdU16String(expected).toUtf8().size()));
    f.longestClick = std::max({f.listing, f.select, f.append, f.strip, f.copy});
    f.peer = peerPipeline(folder);
    return f;
}

Figures measure(Form1& form, const std::filesystem::path& folder, int count) {
    std::vector<Figures> runs;
    for (int i = 0; i < 5; ++i)
        runs.push_back(measureOnce(form, folder, count));
    auto of = [&](double Figures::*field) {
        std::vector<double> values;
        for (const Figures& f : runs)
            values.push_back(f.*field);
        return median(values);
    };
    Figures m;
    for (double Figures::*field : {&Figures::raw, &Figures::fill, &Figures::listing, &Figures::select, &Figures::append,
                                   &Figures::strip, &Figures::copy, &Figures::peer, &Figures::longestClick})
        m.*field = of(field);
    return m;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// The resident memory after each of ROUNDS rounds of select all, append,
// strip and copy on the folder, clicked as a user building list after list
// does.
std::vector<long> residentPerRound(Form1& form, const std::filesystem::path& folder, int rounds) {
    form.state().dir1.setPath(folder);
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("ogg"));
    std::vector<long> resident;
    for (int round = 0; round < rounds; ++round) {
        for (const char* button : {"Command1", "Command2", "Command5", "Command4"})
            click(form, [&] { form.findChild<QPushButton*>(QLatin1String(button))->click(); });
        test::clipboardFromOtherProcess();
        QCoreApplication::processEvents();
        resident.push_back(residentKilobytes());
    }
    return resident;
}

// Whether a viewable top-level window of that process is on the display.
bool windowShown(xcb_connection_t* x, qint64 pid) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    auto atom = [&](const char* name) {
        auto* reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return a;
    };
    static const xcb_atom_t clients = atom("_NET_CLIENT_LIST"), wmPid = atom("_NET_WM_PID");
    auto* list = xcb_get_property_reply(x, xcb_get_property(x, 0, root, clients, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    bool found = false;
    if (list) {
        const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(list));
        for (int i = 0; !found && i < xcb_get_property_value_length(list) / 4; ++i) {
            auto* owner = xcb_get_property_reply(x, xcb_get_property(x, 0, windows[i], wmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
            auto* attributes = xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, windows[i]), nullptr);
            found = owner && xcb_get_property_value_length(owner) == 4 && attributes &&
                    attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                    *static_cast<const uint32_t*>(xcb_get_property_value(owner)) == pid;
            std::free(owner);
            std::free(attributes);
        }
    }
    std::free(list);
    return found;
}

// From starting the program to its window on screen, the median of 5.
double startToShownWindow(const QString& program) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        QProcess tool;
        const auto start = Clock::now();
        tool.start(program, {});
        while (!windowShown(x, tool.processId()) && millisecondsSince(start) < 10000)
            ;
        times.push_back(millisecondsSince(start));
        tool.kill();
        tool.waitForFinished();
    }
    xcb_disconnect(x);
    return median(times);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench TAVROSK_PROGRAM [WORK_FOLDER]\n");
        return 2;
    }
    const std::filesystem::path work = argc > 2 ? argv[2] : "/tmp/tavrosk-bench";
    UseJapaneseUi();
    PrintingReport report;
    NoSpreadsheet spreadsheet;
    DirectCall direct;
    const TagLibTitleReader titles;
    StepsHere steps;
    Form1 form(report, spreadsheet, direct, titles, steps);
    form.show();
    QCoreApplication::processEvents();

    const int sizes[] = {1024, 8192, 32767};
    std::map<int, Figures> figures;
    long resident = 0;
    for (int count : sizes) {
        const auto folder = work / std::to_string(count);
        bench::GenerateMusicFolder(folder, count);
        figures[count] = measure(form, folder, count);
        if (count == 32767) {
            form.state().dir1.setPath(folder);
            SelectAllFiles(form.state());
            AppendSelectedNames(form.state());
            QCoreApplication::processEvents();
            resident = residentKilobytes();
        }
    }

    std::printf("Medians of 5 runs, milliseconds.\n\n");
    std::printf("| step | 1,024 | 8,192 | 32,767 | 32,767 ÷ 8,192 |\n|---|---:|---:|---:|---:|\n");
    auto row = [&](const char* name, double Figures::*field) {
        std::printf("| %s | %.1f | %.1f | %.1f | %.2f |\n", name, figures[1024].*field, figures[8192].*field,
                    figures[32767].*field, figures[32767].*field / figures[8192].*field);
    };
    row("raw directory read (floor)", &Figures::raw);
    row("File1's own fill (names ready)", &Figures::fill);
    row("listing into File1", &Figures::listing);
    row("SelectAllFiles", &Figures::select);
    row("AppendSelectedNames into Text1", &Figures::append);
    row("StripExtensions (\"ogg\" typed)", &Figures::strip);
    row("CopyListToClipboard, read back elsewhere", &Figures::copy);
    row("longest single click", &Figures::longestClick);
    row("peer: ls \\| sed \\| xclip, read back", &Figures::peer);
    std::printf("\n");
    for (int count : sizes) {
        const Figures& f = figures[count];
        std::printf("%6d files: clicks ÷ peer %.2f, whole (with listing) ÷ peer %.2f, listing ÷ raw read %.1f, "
                    "listing ÷ (2 × raw read + fill) %.2f\n",
                    count, f.clicks() / f.peer, f.whole() / f.peer, f.listing / f.raw,
                    f.listing / (2 * f.raw + f.fill));
    }
    std::printf("start to shown window: %.0f ms\n", startToShownWindow(QString::fromLocal8Bit(argv[1])));
    std::printf("resident memory with 32,767 files listed and appended: %.1f MB\n", resident / 1024.0);
    std::printf("resident memory after rounds of select all, append, strip and copy at 32,767 files, MB:");
    for (long kilobytes : residentPerRound(form, work / "32767", 10))
        std::printf(" %.1f", kilobytes / 1024.0);
    std::printf("\n");
    return 0;
}

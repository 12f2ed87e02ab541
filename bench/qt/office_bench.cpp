// Times the spreadsheet export of a long list with the office already
// running, as the user runs it: "To  Excel" in the real window, from the
// clipboard being filled to column A being fitted, on an office of its own
// (a private pipe and profile, as the office tests use). Then, side by side,
// Calc's own fit of the whole exported column: its time, and whether it
// gives the width the export gave.

#include "app/qt/Form1.h"
#include "tags/TagLibTitleReader.h"
#include "app/qt/platform/WorkerLongCall.h"
#include "commands/RunCommand.h"
#include "export/libreoffice/CalcServer.h"
#include "tests/libreoffice/TestOffice.h"

#include <QApplication>
#include <QPushButton>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

struct PrintedReport final : tavrosk::FailureReport {
    void show(const tavrosk::OperationFailed& failure) override {
        std::fprintf(stderr, "export failed: %s\n", failure.cause().c_str());
    }
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct OwnFit {
    double seconds;
    sal_Int32 exportedWidth;
    sal_Int32 fittedWidth;
};

// Narrows column A of an exported list and times Calc fitting it again.
OwnFit calcOwnFit(tavrosk::test::TestOffice& office, int lines) {
    using namespace css;
    uno::Reference<sheet::XSpreadsheet> list;
    for (const auto& document : office.documents())
        if (const auto sheet = tavrosk::test::sheet(document, u"タヴロスク");
            sheet->getCellByPosition(0, lines - 1)->getType() != table::CellContentType_EMPTY)
            list = sheet;
    const uno::Reference<beans::XPropertySet> column(
        uno::Reference<table::XColumnRowRange>(list, uno::UNO_QUERY_THROW)->getColumns()->getByIndex(0),
        uno::UNO_QUERY_THROW);
    const auto exported = column->getPropertyValue("Width").get<sal_Int32>();
    column->setPropertyValue("Width", uno::Any(sal_Int32(1000)));
    const auto start = std::chrono::steady_clock::now();
    column->setPropertyValue("OptimalWidth", uno::Any(true));
    const double seconds = secondsSince(start);
    return {seconds, exported, column->getPropertyValue("Width").get<sal_Int32>()};
}

// Lines of one shape, mixed Latin and Japanese, as an album's song list
// is: Calc's slowest kind to lay out, and ties by the thousand.
std::u16string oneShapeList(int lines) {
    std::u16string list;
    for (int i = 0; i < lines; ++i)
        list += u"曲 " + QString::number(i).toStdU16String() + u" - アーティスト名.flac\r\n";
    return list;
}

// Lines of every length and mix: Latin, kanji, kana of both widths,
// full-width Latin and symbols, so that the widest is seldom the longest.
std::u16string mixedList(int lines) {
    const std::u16string pieces[] = {u"Wm", u"il", u"夜明け", u"ｱｲｳｴｵ", u"ＡＢＣ", u"♪", u"「歌」", u"0123", u" - ", u"ÅŴ"};
    std::minstd_rand random(7);
    std::u16string list;
    for (int i = 0; i < lines; ++i) {
        for (int piece = static_cast<int>(random() % 12); piece >= 0; --piece)
            list += pieces[random() % std::size(pieces)];
        list += u".mp3\r\n";
    }
    return list;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tavrosk;
    using namespace tavrosk::qt;
    QApplication application(argc, argv);
    const int lines = 32767;
    const struct {
        const char* name;
        std::u16string list;
    } kinds[] = {{"one shape", oneShapeList(lines)}, {"mixed", mixedList(lines)}};

    test::TestOffice office;
    libreoffice::CalcServer server(office.options());
    PrintedReport report;
    WorkerLongCall longCall;
    const TagLibTitleReader titles;
    StepsHere steps;
    Form1 form(report, server, longCall, titles, steps);
    form.show();
    auto* toSpreadsheet = form.findChild<QPushButton*>(QStringLiteral("Command7"));
    toSpreadsheet->click();  // starts the office and warms it up
    for (const auto& kind : kinds) {
        std::vector<double> seconds, fits;
        std::vector<OwnFit> widths;
        for (int run = 0; run < 3; ++run) {
            form.state().text1.setText(kind.list);
            const auto start = std::chrono::steady_clock::now();
            toSpreadsheet->click();
            seconds.push_back(secondsSince(start));
            widths.push_back(calcOwnFit(office, lines));
            fits.push_back(widths.back().seconds);
            office.closeDocuments();
        }
        for (auto* figures : {&seconds, &fits})
            std::sort(figures->begin(), figures->end());
        std::printf("%s list: export of %d lines into Calc, office running: median %.2f s (fastest %.2f s, slowest %.2f s)\n",
                    kind.name, lines, seconds[1], seconds[0], seconds[2]);
        std::printf("  Calc's own fit of the whole column A, timed alone: median %.2f s (fastest %.2f s, slowest %.2f s)\n",
                    fits[1], fits[0], fits[2]);
        for (const OwnFit& fit : widths)
            std::printf("  column A after the export %d, after Calc's own fit %d (1/100 mm)%s\n", fit.exportedWidth,
                        fit.fittedWidth, fit.exportedWidth == fit.fittedWidth ? "" : ": NOT EQUAL");
    }
}

// Times the spreadsheet export of a long list with the office already
// running, as the user runs it: "To  Excel" in the real window, from the
// clipboard being filled to column A being fitted, on an office of its own
// (a private pipe and profile, as the office tests use). Then, for scale,
// Calc's own fit of the exported column on its own: the part of the export
// that no change in the tool can make faster.

#include "app/qt/Form1.h"
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

// Narrows column A of an exported list and times Calc fitting it again.
double calcOwnFit(tavrosk::test::TestOffice& office, int lines) {
    using namespace css;
    uno::Reference<sheet::XSpreadsheet> list;
    for (const auto& document : office.documents())
        if (const auto sheet = tavrosk::test::sheet(document, u"タヴロスク");
            sheet->getCellByPosition(0, lines - 1)->getType() != table::CellContentType_EMPTY)
            list = sheet;
    const uno::Reference<beans::XPropertySet> column(
        uno::Reference<table::XColumnRowRange>(list, uno::UNO_QUERY_THROW)->getColumns()->getByIndex(0),
        uno::UNO_QUERY_THROW);
    column->setPropertyValue("Width", uno::Any(sal_Int32(1000)));
    const auto start = std::chrono::steady_clock::now();
    column->setPropertyValue("OptimalWidth", uno::Any(true));
    return secondsSince(start);
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tavrosk;
    using namespace tavrosk::qt;
    QApplication application(argc, argv);
    // Mixed Latin and Japanese, as song lists are: Calc's slowest kind.
    const int lines = 32767;
    std::u16string list;
    for (int i = 0; i < lines; ++i)
        list += u"曲 " + QString::number(i).toStdU16String() + u" - アーティスト名.flac\r\n";

    std::vector<double> seconds, fits;
    {
        test::TestOffice office;
        libreoffice::CalcServer server(office.options());
        PrintedReport report;
        WorkerLongCall longCall;
        Form1 form(report, server, longCall);
        form.show();
        auto* toSpreadsheet = form.findChild<QPushButton*>(QStringLiteral("Command7"));
        toSpreadsheet->click();  // starts the office and warms it up
        for (int run = 0; run < 3; ++run) {
            form.state().text1.setText(list);
            const auto start = std::chrono::steady_clock::now();
            toSpreadsheet->click();
            seconds.push_back(secondsSince(start));
            fits.push_back(calcOwnFit(office, lines));
        }
    }
    for (auto* figures : {&seconds, &fits})
        std::sort(figures->begin(), figures->end());
    std::printf("export of %d lines into Calc, office running: median %.2f s (fastest %.2f s, slowest %.2f s)\n",
                lines, seconds[1], seconds[0], seconds[2]);
    std::printf("  of which Calc's own fit of column A, timed alone: median %.2f s (fastest %.2f s, slowest %.2f s)\n",
                fits[1], fits[0], fits[2]);
}

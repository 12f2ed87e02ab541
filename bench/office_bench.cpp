// Times the spreadsheet export of a long list with the office already
// running: every call from reaching the office to fitting column A, on an
// office of its own (a private pipe and profile, as the office tests use).

#include "export/libreoffice/CalcServer.h"
#include "tests/libreoffice/TestOffice.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main() {
    using namespace tavrosk;
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "office_bench needs an X display (run it through tests/with-display.sh)\n");
        return 1;
    }
    // Mixed Latin and Japanese, as song lists are: Calc's slowest kind.
    const int lines = 32767;
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "曲 " + std::to_string(i) + " - アーティスト名.flac\n";
    test::XClipboard clipboard(text);

    std::vector<double> seconds;
    {
        test::TestOffice office;
        libreoffice::CalcServer server(office.options());
        test::runExport(server, false);  // starts the office and warms it up
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            test::runExport(server, true);
            seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("export of %d lines into Calc, office running: median %.2f s (fastest %.2f s, slowest %.2f s)\n",
                lines, seconds[1], seconds[0], seconds[2]);
}

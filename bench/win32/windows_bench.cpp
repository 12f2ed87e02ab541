// Times the real tavrosk.exe as a user clicks it, on Windows or under Wine:
// start to shown window (which includes listing the start folder), then the
// click sequence (select all, append, strip with "ogg" typed, copy and read
// the clipboard back from this process) on folders of 1,024, 8,192 and
// 32,767 files. Prints medians of 5 runs in milliseconds, and the tool's
// memory with the largest list appended. Beside them, as the floor of any
// write of the whole list, an edit control of this program's own, of
// Text1's size and font, set to the same list with WM_SETTEXT.
//   windows_bench TAVROSK_EXE FOLDER   (the folders are made there once)
#include "RunningExe.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace fs = std::filesystem;

namespace {

// count empty music files named like "00001 Song title.mp3", every tenth
// with a Japanese title, a few ".WAV", ".mid" and ".ogg" ones.
fs::path musicFolder(const fs::path& base, int count) {
    const fs::path folder = base / std::to_wstring(count);
    if (fs::exists(folder / L"complete"))
        return folder;
    fs::create_directories(folder);
    for (int i = 1; i <= count; ++i) {
        wchar_t name[64];
        std::swprintf(name, 64, L"%05d %ls%ls", i, i % 10 == 0 ? L"夜明けの歌" : L"Song title",
                      i % 97 == 0 ? L".WAV" : i % 89 == 0 ? L".mid" : i % 83 == 0 ? L".ogg" : L".mp3");
        std::ofstream{folder / name};
    }
    fs::create_directory(folder / L"complete");  // a folder: not listed among the files
    return folder;
}

double milliseconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A multi-line edit control like Text1 (its size at 96 dpi, the UI font, no
// length limit), in a window of its own.
HWND editLikeText1() {
    HWND window = CreateWindowExW(0, L"STATIC", L"floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 480, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL |
                                WS_VSCROLL, 0, 0, 280, 440, window, nullptr, nullptr, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectW(&metrics.lfMessageFont)), TRUE);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    return edit;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const fs::path exe = argv[1], base = argv[2];
    const char* steps[] = {"start to shown window", "SelectAllFiles", "AppendSelectedNames",
                           "StripExtensions (\"ogg\" typed)", "CopyListToClipboard, read back", "click sequence",
                           "floor: an edit's own WM_SETTEXT"};
    std::vector<double> figures[3][7];
    HWND floor = editLikeText1();
    const int counts[] = {1024, 8192, 32767};
    double memory = 0;
    for (int c = 0; c < 3; ++c) {
        const fs::path folder = musicFolder(base, counts[c]);
        for (int run = 0; run < 5; ++run) {
            RunningExe tool;
            figures[c][0].push_back(milliseconds([&] { tool.start(exe.wstring(), folder.wstring()); }));
            const double select = milliseconds([&] { tool.click(Command1); });
            const double append = milliseconds([&] { tool.click(Command2); });
            const std::u16string list = tool.text(Text1);
            figures[c][6].push_back(milliseconds(
                [&] { SendMessageW(floor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(list.c_str())); }));
            SendMessageW(floor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            SendMessageW(tool.control(Text2), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ogg"));
            const double strip = milliseconds([&] { tool.click(Command5); });
            PROCESS_MEMORY_COUNTERS counters{};
            GetProcessMemoryInfo(tool.process.hProcess, &counters, sizeof counters);
            memory = std::max(memory, counters.WorkingSetSize / 1048576.0);
            const double copy = milliseconds([&] {
                tool.click(Command4);
                if (clipboardText().size() < static_cast<size_t>(counts[c]) * 6)
                    std::puts("the clipboard does not hold the list");
            });
            for (int s = 1; s < 6; ++s)
                figures[c][s].push_back(s == 1 ? select : s == 2 ? append : s == 3 ? strip : s == 4 ? copy
                                                                                              : select + append + strip + copy);
            tool.close();
        }
    }
    std::printf("%-34s %10s %10s %10s %8s\n", "step (median of 5, ms)", "1,024", "8,192", "32,767", "32k/8k");
    for (int s = 0; s < 7; ++s)
        std::printf("%-34s %10.1f %10.1f %10.1f %8.2f\n", steps[s], median(figures[0][s]), median(figures[1][s]),
                    median(figures[2][s]), median(figures[2][s]) / median(figures[1][s]));
    std::printf("working set with 32,767 names appended: %.1f MB\n", memory);
}

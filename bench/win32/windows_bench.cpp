// Times the real tavrosk.exe as a user clicks it, on Windows or under Wine:
// start to shown window (which includes listing the start folder), then the
// click sequence (select all, append, strip with "ogg" typed, copy and read
// the clipboard back from this process) on folders of 1,024, 8,192 and
// 32,767 files and, past the list's design size, 40,000 and 70,000. Prints
// medians of 5 runs in milliseconds, and the tool's memory with 32,767 names
// appended. Beside them, as the floor of any write of the whole list, an
// edit control of this program's own, of Text1's size and font, set to the
// same list with WM_SETTEXT. Then the export of 32,767 lines to the
// recording automation server (registered as "Excel.Application" for the
// run, kept running by a reference of this program's): click to the last
// call, and the longest the window took to answer a message meanwhile.
//   windows_bench TAVROSK_EXE FOLDER SERVER [export]   (the folders are made
//   there once; "export": only the export's figures)
#include "RunningExe.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kRecorder[] = TAVROSK_RECORDER_CLASS;

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

std::string readAll(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The recording server as "Excel.Application", logging to log; false if an
// Excel is registered here (it is not touched then).
bool registerServer(const fs::path& server, const fs::path& log) {
    HKEY excel = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Excel.Application", 0, KEY_READ, &excel) == ERROR_SUCCESS)
        return false;
    const std::wstring line = L"\"" + server.wstring() + L"\" \"" + log.wstring() + L"\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"Excel.Application\\CLSID", nullptr, REG_SZ, kRecorder, sizeof kRecorder);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kRecorder + L"\\LocalServer32").c_str(), nullptr,
                    REG_SZ, line.c_str(), static_cast<DWORD>((line.size() + 1) * sizeof(wchar_t)));
    return true;
}

struct ExportFigures {
    double toLastCall, longestUnanswered;
};

// Clicks "To  Excel" and asks the window (WM_NULL) again and again until the
// server has logged the export's last call.
ExportFigures timeExport(const RunningExe& tool, const fs::path& log) {
    const size_t before = readAll(log).size();
    const auto start = std::chrono::steady_clock::now();
    PostMessageW(tool.control(Command7), BM_CLICK, 0, 0);
    double longest = 0;
    while (readAll(log).find("AutoFit method", before) == std::string::npos &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        DWORD_PTR answer = 0;
        longest = std::max(longest, milliseconds([&] {
            SendMessageTimeoutW(tool.window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
        }));
    }
    const double last = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return {last, longest};
}

void benchExport(const fs::path& exe, const fs::path& folder, const fs::path& server) {
    const fs::path log = folder.parent_path() / "export-calls.txt";
    if (!registerServer(server, log)) {
        std::puts("export not timed: an Excel is registered here");
        return;
    }
    // A reference of this program's keeps the server running between exports.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CLSID clsid{};
    CLSIDFromString(kRecorder, &clsid);
    IUnknown* keep = nullptr;
    CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, reinterpret_cast<void**>(&keep));
    std::vector<double> toLastCall, longest;
    RunningExe tool;
    tool.start(exe.wstring(), folder.wstring());
    tool.click(Command1);
    for (int run = 0; run < 5; ++run) {
        tool.click(Command2);
        const ExportFigures figures = timeExport(tool, log);
        toLastCall.push_back(figures.toLastCall);
        longest.push_back(figures.longestUnanswered);
        DWORD_PTR answer = 0;  // the export has ended on the tool's side too
        SendMessageTimeoutW(tool.window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
    }
    tool.close();
    if (keep)
        keep->Release();
    CoUninitialize();
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Excel.Application");
    std::printf("export of 32,767 lines to the recording server (median of 5): click to last call %.1f ms, "
                "longest unanswered %.1f ms (runs: longest %.1f ms)\n",
                median(toLastCall), median(longest), *std::max_element(longest.begin(), longest.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return 2;
    const fs::path exe = argv[1], base = argv[2], server = argv[3];
    if (argc > 4 && std::string_view(argv[4]) == "export")
        return benchExport(exe, musicFolder(base, 32767), server), 0;
    const char* steps[] = {"start to shown window", "SelectAllFiles", "AppendSelectedNames",
                           "StripExtensions (\"ogg\" typed)", "CopyListToClipboard, read back", "click sequence",
                           "floor: an edit's own WM_SETTEXT"};
    constexpr int kCounts = 5;
    std::vector<double> figures[kCounts][7];
    HWND floor = editLikeText1();
    const int counts[kCounts] = {1024, 8192, 32767, 40000, 70000};
    double memory = 0;
    for (int c = 0; c < kCounts; ++c) {
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
            if (counts[c] == 32767)
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
    std::printf("%-34s %10s %10s %10s %10s %10s %8s\n", "step (median of 5, ms)", "1,024", "8,192", "32,767", "40,000",
                "70,000", "32k/8k");
    for (int s = 0; s < 7; ++s) {
        std::printf("%-34s", steps[s]);
        for (int c = 0; c < kCounts; ++c)
            std::printf(" %10.1f", median(figures[c][s]));
        std::printf(" %8.2f\n", median(figures[2][s]) / median(figures[1][s]));
    }
    std::printf("%-34s", "append, strip ÷ the floor");
    for (int c = 0; c < kCounts; ++c)
        std::printf("  %4.2f,%4.2f", median(figures[c][2]) / median(figures[c][6]),
                    median(figures[c][3]) / median(figures[c][6]));
    std::printf("\nworking set with 32,767 names appended: %.1f MB\n", memory);
    benchExport(exe, musicFolder(base, 32767), server);
}

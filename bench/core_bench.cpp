// Times the list commands on in-memory controls: select all, append, strip
// (with a typed extension) and copy, for 8,192 and 32,767 names, and prints
// each step, the total and how the time grows between the two sizes.

#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "export/ClipboardExport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace tavrosk;

struct MemoryText final : TextField {
    std::u16string text() const override { return value; }
    void setText(const std::u16string& text) override { value = text; }
    void append(std::u16string_view tail) override { value += tail; }
    std::u16string value;
};

struct MemoryFiles final : FileList {
    std::size_t count() const override { return names.size(); }
    std::u16string name(std::size_t i) const override { return names[i]; }
    std::filesystem::path file(std::size_t i) const override { return names[i]; }
    bool isSelected(std::size_t i) const override { return selected[i] != 0; }
    void setSelected(std::size_t i, bool value) override { selected[i] = value; }
    void setPath(const std::filesystem::path&) override {}
    std::vector<std::u16string> names;
    std::vector<char> selected;
};

struct MemoryFolder final : FolderList {
    std::filesystem::path path() const override { return "/music"; }
    void setPath(const std::filesystem::path&) override {}
};

struct MemoryDrive final : DriveList {
    std::filesystem::path drive() const override { return "/"; }
    void showDriveOf(const std::filesystem::path&) override {}
};

struct MemoryClipboard final : Clipboard {
    void clear() override { content.clear(); }
    void setText(const std::u16string& text) override { content = text; }
    bool hasPlainText() const override { return true; }
    std::u16string content;
};

std::u16string songName(std::size_t i) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05zu", i + 1);
    std::u16string name(digits, digits + 5);
    name += i % 10 == 0 ? u" 夜明けの歌" : u" Song title";
    name += i % 50 == 0 ? u".WAV" : i % 70 == 0 ? u".ogg" : u".mp3";
    return name;
}

struct Steps {
    double select, append, strip, copy;
    double total() const { return select + append + strip + copy; }
};

double millisecondsOf(auto&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

Steps runOnce(std::size_t count) {
    MemoryText text1, text2;
    MemoryFiles files;
    MemoryFolder folder;
    MemoryDrive drive;
    MemoryClipboard clipboard;
    for (std::size_t i = 0; i < count; ++i)
        files.names.push_back(songName(i));
    files.selected.assign(count, 0);
    FormState state{text1, text2, files, folder, drive, clipboard};
    text2.value = u"ogg";

    Steps steps{};
    steps.select = millisecondsOf([&] { SelectAllFiles(state); });
    steps.append = millisecondsOf([&] { AppendSelectedNames(state); });
    steps.strip = millisecondsOf([&] { StripExtensions(state); });
    steps.copy = millisecondsOf([&] { CopyListToClipboard(state); });
    if (clipboard.content.find(u".mp3") != std::u16string::npos || clipboard.content.size() < count * 12)
        std::fprintf(stderr, "unexpected list on the clipboard\n");
    return steps;
}

// The median of several runs of each step.
Steps measure(std::size_t count) {
    std::vector<Steps> runs;
    for (int i = 0; i < 9; ++i)
        runs.push_back(runOnce(count));
    auto median = [&](double Steps::*field) {
        std::vector<double> values;
        for (const Steps& s : runs)
            values.push_back(s.*field);
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    return {median(&Steps::select), median(&Steps::append), median(&Steps::strip), median(&Steps::copy)};
}

} // namespace

int main() {
    const Steps small = measure(8192);
    const Steps large = measure(32767);
    std::printf("%-22s %12s %12s %8s\n", "step (median of 9)", "8,192 ms", "32,767 ms", "ratio");
    auto row = [](const char* name, double a, double b) {
        std::printf("%-22s %12.3f %12.3f %8.2f\n", name, a, b, b / a);
    };
    row("SelectAllFiles", small.select, large.select);
    row("AppendSelectedNames", small.append, large.append);
    row("StripExtensions", small.strip, large.strip);
    row("CopyListToClipboard", small.copy, large.copy);
    row("total", small.total(), large.total());
    std::printf("ratio near 4 is linear, near 16 quadratic; target: total under 100 ms at 32,767\n");
    return 0;
}

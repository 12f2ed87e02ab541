// Times reading the titles of 32,767 small MP3 files (an ID3v2 title and a
// few frames each, every tenth title in CP932 marked Latin-1) through
// TagLib, warm (the files in the page cache) and, when run as root, cold
// (after the kernel's caches are dropped).
//   tags_bench [FOLDER]

#include "tags/TagLibTitleReader.h"

#include <chrono>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kCount = 32767;

// An ID3v2.3 tag holding one title frame, then silent MPEG frames.
std::string smallMp3(int i) {
    std::string title;
    if (i % 10 == 0)
        title = std::string("\x96\xE9\x96\xBE\x82\xAF\x82\xCC\x89\xCC ") + std::to_string(i);  // 夜明けの歌
    else
        title = "Song title " + std::to_string(i);
    std::string frame = "TIT2";
    const std::size_t body = 1 + title.size();
    frame += {'\0', '\0', static_cast<char>(body >> 8), static_cast<char>(body & 0xFF), '\0', '\0', '\0'};
    frame += title;
    std::string file = "ID3";
    file += {'\3', '\0', '\0', '\0', '\0', static_cast<char>(frame.size() >> 7), static_cast<char>(frame.size() & 0x7F)};
    file += frame;
    for (int f = 0; f < 4; ++f)
        file += std::string("\xFF\xFB\x90\x64", 4) + std::string(413, '\0');
    return file;
}

std::vector<std::filesystem::path> makeFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> files;
    for (int i = 0; i < kCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%05d song.mp3", i);
        files.push_back(folder / name);
        if (!std::filesystem::exists(files.back()))
            std::ofstream(files.back(), std::ios::binary) << smallMp3(i);
    }
    return files;
}

double secondsToRead(const tavrosk::TitleReader& reader, const std::vector<std::filesystem::path>& files,
                     int& titled) {
    titled = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const std::filesystem::path& file : files)
        titled += reader.title(file).has_value();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool dropCaches() {
    std::fflush(nullptr);
    std::ofstream drop("/proc/sys/vm/drop_caches");
    return drop && std::system("sync") == 0 && (drop << "3\n") && drop.flush();
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path() / "tavrosk-tags-bench";
    const std::vector<std::filesystem::path> files = makeFolder(folder);
    const tavrosk::TagLibTitleReader reader;
    int titled = 0;
    secondsToRead(reader, files, titled);  // brings them into the page cache
    double best = 1e9;
    for (int run = 0; run < 3; ++run)
        best = std::min(best, secondsToRead(reader, files, titled));
    std::printf("titles of %d files, warm: %.2f s (%.1f us a file, %d titled), best of 3\n", kCount, best,
                best * 1e6 / kCount, titled);
    if (dropCaches()) {
        const double cold = secondsToRead(reader, files, titled);
        std::printf("titles of %d files, cold: %.2f s (%.1f us a file)\n", kCount, cold, cold * 1e6 / kCount);
    } else {
        std::printf("cold: not measured (dropping the caches needs root)\n");
    }
}

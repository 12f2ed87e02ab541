#include "FolderGenerator.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace tavrosk::bench {

void GenerateMusicFolder(const std::filesystem::path& folder, int count) {
    std::filesystem::create_directories(folder);
    const auto marker = folder / ".complete";
    if (std::filesystem::exists(marker))
        return;
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%05d", i);
        std::string name = number;
        name += i % 10 == 0 ? " 夜明けの歌" : " Song title";
        name += i % 97 == 0 ? ".WAV" : i % 89 == 0 ? ".mid" : i % 83 == 0 ? ".ogg" : ".mp3";
        std::ofstream{folder / name};
    }
    std::ofstream{marker};
}

} // namespace tavrosk::bench

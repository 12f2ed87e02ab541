#pragma once

#include <filesystem>

namespace tavrosk::bench {

// Fills folder with count empty music files named like "00001 Song title.mp3":
// every tenth with a Japanese title, a few ".WAV", ".mid" and ".ogg" ones.
// Leaves a folder that already holds them as it is.
void GenerateMusicFolder(const std::filesystem::path& folder, int count);

} // namespace tavrosk::bench

#pragma once

#include <filesystem>
#include <vector>

namespace tavrosk {

// The folder as a folder list keeps it: absolute, with no trailing separator
// except at a root.
std::filesystem::path NormalisedFolder(const std::filesystem::path& folder);

// What a classic folder list shows above the folder's subfolders: the root,
// each ancestor in turn, and the folder itself last.
std::vector<std::filesystem::path> FolderChain(const std::filesystem::path& folder);

} // namespace tavrosk

#include "navigation/FolderChain.h"

#include <algorithm>

namespace tavrosk {

std::filesystem::path NormalisedFolder(const std::filesystem::path& folder) {
    std::filesystem::path result = std::filesystem::absolute(folder).lexically_normal();
    if (!result.has_filename() && result != result.root_path())
        result = result.parent_path();
    return result;
}

std::vector<std::filesystem::path> FolderChain(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> chain;
    for (std::filesystem::path p = folder;; p = p.parent_path()) {
        chain.push_back(p);
        if (p == p.root_path() || !p.has_relative_path())
            break;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

} // namespace tavrosk

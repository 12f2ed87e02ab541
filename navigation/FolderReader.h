#pragma once

#include <filesystem>
#include <vector>

namespace tavrosk {

// What a folder shows a user: its regular files and its subfolders, by bare
// name, without hidden entries (names starting with '.', and on Windows the
// hidden attribute) and without system entries (sockets, devices, FIFOs, and
// on Windows the system attribute). Unsorted.
struct FolderContents {
    std::vector<std::filesystem::path> files;
    std::vector<std::filesystem::path> subfolders;
};

// Reads the folder once, at any length of its path. Throws OperationFailed
// naming the folder and saying why in Japanese (permission denied, gone, no
// medium, ...).
FolderContents ReadFolder(const std::filesystem::path& folder);

// What a path names (a link: its target), at any length of path. A path
// that does not exist gives file_type::not_found.
std::filesystem::file_status StatusOf(const std::filesystem::path& path, std::error_code& error);

} // namespace tavrosk

#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace tavrosk {

// What a file manager hands the tool, as command-line arguments or as a
// dropped text/uri-list: folders and files, by the platform's own path.

// The local paths a text/uri-list names, in its order. Lines are URIs;
// comment lines (#...) and URIs that are not file:// on this machine are left
// out. Percent escapes become raw bytes, so a name need not be UTF-8.
std::vector<std::filesystem::path> PathsFromUriList(std::string_view uriList);

// A folder to open and the files in it to select, by bare name.
struct FolderToOpen {
    std::filesystem::path folder;
    std::vector<std::filesystem::path> files;
};

// The first path decides: a folder opens as it is; a file opens its folder
// with it selected, along with the other handed-over files of that folder.
// Relative paths are taken from the current folder. Throws OperationFailed
// for a first path that does not exist, cannot be reached, or is neither a
// folder nor a regular file; paths must not be empty.
FolderToOpen FolderToOpenFor(const std::vector<std::filesystem::path>& paths);

} // namespace tavrosk

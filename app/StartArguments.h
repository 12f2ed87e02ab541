#pragma once

#include <filesystem>
#include <vector>

namespace tavrosk {

class FailureReport;
class Form1;

// The command line's paths as the platform spells them (bytes on POSIX), with
// the window toolkit's own options already taken out.
std::vector<std::filesystem::path> StartArguments(int argc, char* argv[]);

// Opens the folder the arguments name (a folder, or a file's folder with the
// file selected), or the current folder when there are none. A path that
// cannot be opened is reported, and the tool starts in the current folder.
void ShowStartFolder(Form1& form, FailureReport& report, const std::vector<std::filesystem::path>& arguments);

} // namespace tavrosk

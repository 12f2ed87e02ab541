#pragma once

#include <filesystem>
#include <vector>

namespace tavrosk {

// What the command line asks for. "--help" and "--version" ask for the
// usage and the version; "--" ends the options, so that every argument after
// it is a path even where it begins with a dash; any other argument that
// begins with a dash before it is an unknown option, the only path then
// held; anything else is a path.
struct CommandLine {
    enum class Asks { Start, Usage, Version, UnknownOption };
    Asks asks = Asks::Start;
    std::vector<std::filesystem::path> paths;
};

// The arguments without the program's own name.
CommandLine ReadCommandLine(const std::vector<std::filesystem::path>& arguments);

} // namespace tavrosk

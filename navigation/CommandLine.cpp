#include "navigation/CommandLine.h"

namespace tavrosk {

CommandLine ReadCommandLine(const std::vector<std::filesystem::path>& arguments) {
    CommandLine line;
    bool options = true;
    for (const std::filesystem::path& argument : arguments) {
        if (options && argument == "--")
            options = false;
        else if (options && argument == "--help")
            return {CommandLine::Asks::Usage, {}};
        else if (options && argument == "--version")
            return {CommandLine::Asks::Version, {}};
        else if (options && argument.native().size() > 1 && argument.native().front() == '-')
            return {CommandLine::Asks::UnknownOption, {argument}};
        else
            line.paths.push_back(argument);
    }
    return line;
}

} // namespace tavrosk

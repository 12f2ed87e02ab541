#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tavrosk::libreoffice {

// How the office is reached: the named pipe it listens on and, when nothing
// answers there, the program started to open one.
struct OfficeOptions {
    // The UNO named pipe ("--accept=pipe,name=<pipeName>;urp;...").
    std::string pipeName = "tavrosk";
    // The office program: looked up on PATH unless it holds a '/'.
    std::string program = "soffice";
    // Further arguments for a started office, e.g.
    // "-env:UserInstallation=file:///tmp/profile" for a separate profile.
    std::vector<std::string> extraArguments;
    // How long a started office may take until it answers on the pipe.
    std::chrono::milliseconds startTimeout{30000};
};

} // namespace tavrosk::libreoffice

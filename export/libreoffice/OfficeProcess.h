#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tavrosk::libreoffice {

// An office program started from here, in a session of its own with its
// standard streams on /dev/null, so that it outlives the tool and never
// writes into the tool's terminal. Destroying this leaves the program
// running; it is reaped in the background once it ends.
class OfficeProcess {
public:
    // Starts program (looked up on PATH unless it holds a '/') with the
    // arguments. Throws OperationFailed when it is not there or cannot start.
    OfficeProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // Whether it has ended, without waiting; once it has, how: "0" for a
    // normal exit, otherwise the exit code or signal.
    struct Ending {
        bool normal;
        std::string description;
    };
    std::optional<Ending> ended();

private:
    pid_t pid_ = -1;
    std::optional<Ending> ending_;
};

} // namespace tavrosk::libreoffice

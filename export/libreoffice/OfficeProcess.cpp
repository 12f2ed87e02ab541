#include "export/libreoffice/OfficeProcess.h"

#include "export/libreoffice/UnoErrors.h"
#include "model/OperationFailed.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace tavrosk::libreoffice {

namespace {

// posix_spawn's attributes and file actions, released on every path.
struct SpawnSetup {
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;

    SpawnSetup() {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
        // Own session: no terminal, and untouched by signals sent to the
        // tool's process group. The signals this process ignores or blocks
        // (SIGPIPE for the bridge) are restored for the office.
        sigset_t defaults, none;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes,
                                 POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        for (int fd = 0; fd <= 2; ++fd)
            posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
};

OfficeProcess::Ending describe(int status) {
    if (WIFEXITED(status))
        return {WEXITSTATUS(status) == 0, "exit code " + std::to_string(WEXITSTATUS(status))};
    if (WIFSIGNALED(status))
        return {false, "signal " + std::to_string(WTERMSIG(status))};
    return {false, "status " + std::to_string(status)};
}

} // namespace

OfficeProcess::OfficeProcess(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    SpawnSetup setup;
    const int error = posix_spawnp(&pid_, program.c_str(), &setup.actions, &setup.attributes,
                                   argv.data(), environ);
    if (error == ENOENT) {
        throw OperationFailed(std::u16string(kCannotStart) + u"LibreOffice（" + FromUtf8(program) +
                                  u"）が見つかりません。LibreOffice Calc がインストールされているか確認してください。",
                              program + " not found: " + std::strerror(error));
    }
    if (error != 0) {
        throw OperationFailed(std::u16string(kCannotStart) + u"LibreOffice（" + FromUtf8(program) +
                                  u"）を実行できませんでした。",
                              "cannot spawn " + program + ": " + std::strerror(error));
    }
}

OfficeProcess::~OfficeProcess() {
    if (ending_)
        return;
    // The office goes on after the tool's work is done; whoever ends it,
    // its exit status is collected here so that it leaves no zombie.
    std::thread([pid = pid_] { waitpid(pid, nullptr, 0); }).detach();
}

std::optional<OfficeProcess::Ending> OfficeProcess::ended() {
    if (!ending_) {
        int status = 0;
        const pid_t result = waitpid(pid_, &status, WNOHANG);
        // An error (someone else collects children) tells nothing: it is
        // then taken as still running, and the caller's deadline decides.
        if (result == pid_)
            ending_ = describe(status);
    }
    return ending_;
}

} // namespace tavrosk::libreoffice

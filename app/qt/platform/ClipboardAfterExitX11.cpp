#include "app/qt/platform/ClipboardAfterExit.h"

#include "app/qt/platform/ClipboardOwner.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/types.h>
#include <unistd.h>

extern char** environ;

namespace tavrosk::qt {

namespace {

// How long the helper may take to start and take the clipboard.
constexpr int kKeeperStartMilliseconds = 5000;

bool ClipboardManagerRuns(xcb_connection_t* connection) {
    static constexpr char kName[] = "CLIPBOARD_MANAGER";
    auto* atom = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
    const xcb_atom_t manager = atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(atom);
    if (manager == XCB_ATOM_NONE)
        return false;
    auto* owner = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, manager), nullptr);
    const bool runs = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return runs;
}

class Pipe {
public:
    Pipe() {
        if (pipe2(ends_.data(), O_CLOEXEC) != 0)
            ends_ = {-1, -1};
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool valid() const { return ends_[0] >= 0; }
    int end(int which) const { return ends_[which]; }
    void closeEnd(int which) {
        if (ends_[which] >= 0)
            ::close(ends_[which]);
        ends_[which] = -1;
    }

private:
    std::array<int, 2> ends_{-1, -1};
};

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

bool WaitForReady(int fd) {
    char answer[16] = {};
    std::size_t got = 0;
    pollfd readable{fd, POLLIN, 0};
    while (got < 6 && poll(&readable, 1, kKeeperStartMilliseconds) > 0) {
        const ssize_t n = ::read(fd, answer + got, sizeof answer - 1 - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return std::strncmp(answer, "ready\n", 6) == 0;
}

// Starts the helper with the text on its standard input and waits until it
// owns the clipboard. Its error output goes nowhere: it outlives the tool and
// must not hold on to the terminal or pipe the tool was started with.
bool StartKeeper(const QByteArray& text) {
    const QByteArray program =
        QCoreApplication::applicationDirPath().toLocal8Bit() + "/tavrosk-clipboard-keeper";
    Pipe input;
    Pipe output;
    if (!input.valid() || !output.valid())
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input.end(0), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output.end(1), STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* const argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t keeper = 0;
    const int spawned = posix_spawn(&keeper, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    input.closeEnd(0);
    output.closeEnd(1);

    // A helper that dies before reading everything must not kill the tool.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous {};
    sigaction(SIGPIPE, &ignore, &previous);
    const bool written = WriteAll(input.end(1), text);
    sigaction(SIGPIPE, &previous, nullptr);
    input.closeEnd(1);
    return written && WaitForReady(output.end(0));
}

} // namespace

void KeepClipboardAfterExit() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !ClipboardOwnedHere())
        return;
    // A clipboard manager takes the content over from Qt itself at exit.
    if (ClipboardManagerRuns(x11->connection()))
        return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    if (!StartKeeper(text.toUtf8()))
        qWarning("the clipboard's content could not be kept after exit: tavrosk-clipboard-keeper did not start");
}

} // namespace tavrosk::qt

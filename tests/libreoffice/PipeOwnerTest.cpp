#include "export/libreoffice/CalcServer.h"
#include "model/OperationFailed.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrosk::test {
namespace {

// Another user's listening socket where the office's pipe belongs: the export
// refuses it, names path and owner, and never connects.
TEST(OfficePipe, ASocketOfAnotherUserIsRefused) {
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_TRUE(nobody != nullptr && ::getuid() == 0) << "needs root and a user 'nobody'";
    const std::string name = "tavrosk-owner-" + std::to_string(::getpid());
    const std::string path = "/tmp/OSL_PIPE_0_" + name;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_TRUE(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::listen(listener, 4) == 0 && ::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid) == 0);
    std::atomic<bool> connected{false};
    std::thread stranger([&] {  // drops whatever connects, so that a connecting export fails fast
        pollfd wait{listener, POLLIN, 0};
        while (::poll(&wait, 1, 10000) > 0 && !(wait.revents & POLLHUP)) {
            connected = true;
            ::close(::accept(listener, nullptr, nullptr));
        }
    });

    std::u16string message;
    try {
        libreoffice::CalcServer({name, "/bin/false", {}, std::chrono::seconds(1)}).createApplication();
    } catch (const OperationFailed& failure) {
        message = failure.userMessage();
    }
    ::shutdown(listener, SHUT_RDWR);
    stranger.join();
    ::close(listener);
    ::unlink(path.c_str());

    EXPECT_FALSE(connected);
    EXPECT_NE(message.find(std::u16string(path.begin(), path.end())), std::u16string::npos);
    EXPECT_NE(message.find(u"nobody"), std::u16string::npos);
}

} // namespace
} // namespace tavrosk::test

#include "export/libreoffice/CalcServer.h"
#include "model/OperationFailed.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrosk::test {
namespace {

// An office that cannot be started is reported with its cause. So is another
// user's socket where the office's pipe belongs, which is never connected to:
// had the export connected, the socket would refuse and the message would
// name the office that ended (/bin/false).
TEST(OfficeStart, EachFailureIsReportedWithItsCause) {
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_TRUE(nobody != nullptr && ::getuid() == 0) << "needs root and a user 'nobody'";
    const std::string pipe = "tavrosk-test-start-" + std::to_string(::getpid());
    const std::string path = "/tmp/OSL_PIPE_0_" + pipe + "-taken";
    ASSERT_EQ(::mknod(path.c_str(), S_IFSOCK | 0600, 0), 0) << std::strerror(errno);
    const auto removed = qScopeGuard([&] { ::unlink(path.c_str()); });
    ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0) << std::strerror(errno);

    const struct {
        std::string pipe;
        const char* program;
        std::u16string said;
    } cases[] = {
        {pipe, "/nonexistent/soffice", u"（/nonexistent/soffice）が見つかりません"},
        {pipe, "false", u"起動の途中で終了しました"},
        {pipe + "-taken", "/bin/false", std::u16string(path.begin(), path.end()) + u"」が別のユーザー（nobody）"},
    };
    for (const auto& c : cases) {
        std::u16string message = u"(started)";
        try {
            libreoffice::CalcServer({c.pipe, c.program, {}, std::chrono::seconds(5)}).createApplication();
        } catch (const OperationFailed& failure) {
            message = failure.userMessage();
        }
        EXPECT_TRUE(message.starts_with(u"LibreOffice Calc を起動できません。")) << c.program;
        EXPECT_NE(message.find(c.said), std::u16string::npos) << c.program;
    }
}

} // namespace
} // namespace tavrosk::test

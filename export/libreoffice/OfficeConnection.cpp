#include "export/libreoffice/OfficeConnection.h"

#include "export/libreoffice/OfficeProcess.h"
#include "export/libreoffice/UnoRuntime.h"
#include "model/OperationFailed.h"

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/lang/XEventListener.hpp>
#include <cppuhelper/implbase1.hxx>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrosk::libreoffice {

using css::uno::Reference;
using css::uno::UNO_QUERY;

// Notes when the bridge is disposed, by this side or because the pipe broke.
class BridgeWatch final : public cppu::WeakImplHelper1<css::lang::XEventListener> {
public:
    void SAL_CALL disposing(const css::lang::EventObject&) override { lost = true; }
    std::atomic<bool> lost{false};
};

namespace {

OUString connectionString(const OfficeOptions& options) {
    return "pipe,name=" + OUString::fromUtf8(options.pipeName.c_str());
}

std::vector<std::string> officeArguments(const OfficeOptions& options) {
    std::vector<std::string> arguments{
        "--accept=pipe,name=" + options.pipeName + ";urp;StarOffice.ComponentContext",
        "--norestore", "--nologo", "--nodefault", "--nolockcheck"};
    arguments.insert(arguments.end(), options.extraArguments.begin(), options.extraArguments.end());
    return arguments;
}

// Where the office's UNO runtime puts the socket of a named pipe.
std::string pipeSocketPath(const std::string& pipeName) {
    const char* folder = ::access("/tmp", W_OK) == 0 ? "/tmp" : "/var/tmp";
    return std::string(folder) + "/OSL_PIPE_" + std::to_string(::getuid()) + "_" + pipeName;
}

std::u16string ownerName(uid_t uid) {
    if (const passwd* entry = ::getpwuid(uid))
        return FromUtf8(entry->pw_name);
    return u"UID " + FromUtf8(std::to_string(uid));
}

// Another local user may have made the pipe's socket first, to stand in for
// the office and receive the list. Connects only to a socket of this user's
// own (or to none there yet, when the office is still to make it).
void checkPipeOwner(const std::string& pipeName) {
    const std::string path = pipeSocketPath(pipeName);
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && errno == ENOENT)
        return;
    if (S_ISSOCK(status.st_mode) && status.st_uid == ::getuid())
        return;
    const std::u16string owner = ownerName(status.st_uid);
    const std::u16string what = S_ISSOCK(status.st_mode) ? u"別のユーザー（" + owner + u"）のものです"
                                                           : u"ソケットではありません（所有者 " + owner + u"）";
    throw OperationFailed(std::u16string(kCannotStart) + u"LibreOffice との接続に使うパイプ「" + FromUtf8(path) +
                              u"」が" + what + u"。安全のため接続しませんでした。リストはクリップボードにあります。",
                          "pipe socket " + path + " not owned by this user (uid " +
                              std::to_string(status.st_uid) + ", mode " + std::to_string(status.st_mode) + ")");
}

} // namespace

OfficeConnection::OfficeConnection(Reference<css::lang::XComponent> bridge,
                                   Reference<css::uno::XComponentContext> office)
    : bridge_(std::move(bridge)), office_(std::move(office)), watch_(new BridgeWatch) {
    bridge_->addEventListener(Reference<css::lang::XEventListener>(watch_.get()));
}

OfficeConnection::~OfficeConnection() {
    office_.clear();
    try {
        bridge_->dispose();
    } catch (...) {
        // Already gone with the office: nothing left to release.
    }
}

bool OfficeConnection::isLost() const {
    if (watch_->lost)
        return true;
    try {
        office_->getServiceManager();
        return false;
    } catch (...) {
        return true;
    }
}

std::unique_ptr<OfficeConnection> OfficeConnection::tryConnect(
    const Reference<css::uno::XComponentContext>& local, const OfficeOptions& options) {
    checkPipeOwner(options.pipeName);
    Reference<css::connection::XConnection> pipe;
    try {
        pipe = css::connection::Connector::create(local)->connect(connectionString(options));
    } catch (const css::connection::NoConnectException&) {
        return nullptr;
    }
    const Reference<css::bridge::XBridge> bridge =
        css::bridge::BridgeFactory::create(local)->createBridge("", "urp", pipe, nullptr);
    Reference<css::lang::XComponent> component(bridge, css::uno::UNO_QUERY_THROW);
    std::unique_ptr<OfficeConnection> connection;
    try {
        Reference<css::uno::XComponentContext> office(
            bridge->getInstance("StarOffice.ComponentContext"), UNO_QUERY);
        if (office.is())
            connection.reset(new OfficeConnection(component, office));
    } catch (...) {
        component->dispose();
        throw;
    }
    if (!connection)
        component->dispose();
    return connection;
}

std::unique_ptr<OfficeConnection> OfficeConnection::open(const OfficeOptions& options) {
    const Reference<css::uno::XComponentContext> local = LocalContext();
    try {
        if (auto connection = tryConnect(local, options))
            return connection;
    } catch (const css::uno::Exception& e) {
        throw OperationFailed(std::u16string(kCannotStart) + u"LibreOffice に接続できませんでした。",
                              "connecting to pipe " + options.pipeName + ": " + ToUtf8(e.Message));
    }

    OfficeProcess process(options.program, officeArguments(options));
    const auto deadline = std::chrono::steady_clock::now() + options.startTimeout;
    std::string lastError = "no answer on pipe " + options.pipeName;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        try {
            if (auto connection = tryConnect(local, options))
                return connection;
        } catch (const css::uno::Exception& e) {
            // Still starting up: it may drop the first connections.
            lastError = ToUtf8(e.Message);
        }
        // A normal exit is an office that handed the request over to one
        // already running with the same profile; that one opens the pipe.
        if (const auto ending = process.ended(); ending && !ending->normal) {
            throw OperationFailed(std::u16string(kCannotStart) + u"LibreOffice が起動の途中で終了しました。",
                                  options.program + " ended (" + ending->description + ")");
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(options.startTimeout);
            throw OperationFailed(std::u16string(kCannotStart) + u"LibreOffice が " +
                                      FromUtf8(std::to_string(seconds.count())) +
                                      u" 秒待っても応答しませんでした。",
                                  "timed out: " + lastError);
        }
    }
}

} // namespace tavrosk::libreoffice

#include "export/libreoffice/UnoRuntime.h"

#include "export/libreoffice/UnoErrors.h"
#include "model/OperationFailed.h"

#include <cppuhelper/bootstrap.hxx>
#include <osl/file.hxx>
#include <rtl/bootstrap.hxx>

#include <csignal>
#include <mutex>

namespace tavrosk::libreoffice {

namespace {

OUString programDirectoryUrl() {
    OUString url;
    osl::FileBase::getFileURLFromSystemPath(OUString::fromUtf8(TAVROSK_LO_PROGRAM_DIR), url);
    return url;
}

css::uno::Reference<css::uno::XComponentContext> bootstrap() {
    // A bridge writing to an office that has died would otherwise end the
    // whole tool with SIGPIPE; ignored, the write fails and the call throws.
    std::signal(SIGPIPE, SIG_IGN);

    // Without the office API types the first call into the office crashes.
    // Set as a bootstrap value rather than in the environment, so that an
    // office started from here does not inherit it in place of its own.
    const OUString program = programDirectoryUrl();
    rtl::Bootstrap::set("URE_MORE_TYPES", program + "/types/offapi.rdb");
    return cppu::defaultBootstrap_InitialComponentContext(program + "/unorc");
}

} // namespace

css::uno::Reference<css::uno::XComponentContext> LocalContext() {
    static std::mutex mutex;
    // Kept to the end of the process and never destroyed: releasing it
    // among the static destructors could run into parts of UNO already gone.
    static auto& context = *new css::uno::Reference<css::uno::XComponentContext>;
    std::lock_guard lock(mutex);
    if (!context.is()) {
        try {
            context = bootstrap();
        } catch (const css::uno::Exception& e) {
            throw OperationFailed(std::u16string(kCannotStart) + u"UNO の実行環境を初期化できませんでした。",
                                  "UNO bootstrap failed: " + ToUtf8(e.Message));
        }
    }
    return context;
}

} // namespace tavrosk::libreoffice

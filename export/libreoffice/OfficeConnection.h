#pragma once

#include "export/libreoffice/OfficeOptions.h"
#include "export/libreoffice/UnoErrors.h"
#include "model/OperationFailed.h"

#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/ref.hxx>

#include <memory>
#include <string_view>

namespace tavrosk::libreoffice {

class BridgeWatch;

// One UNO connection (a URP bridge over the named pipe) to a running office.
// Destroying it disposes the bridge, which releases what this side still
// holds; the office and its documents go on.
class OfficeConnection {
public:
    // Connects to the office listening on options.pipeName; when none
    // answers, starts options.program with the arguments that make it listen
    // there and retries every 100 ms until it answers, it exits with an
    // error, or options.startTimeout runs out. Throws OperationFailed.
    static std::unique_ptr<OfficeConnection> open(const OfficeOptions& options);

    ~OfficeConnection();
    OfficeConnection(const OfficeConnection&) = delete;
    OfficeConnection& operator=(const OfficeConnection&) = delete;

    // The office's component context, to create its services with.
    const css::uno::Reference<css::uno::XComponentContext>& office() const { return office_; }

    // Whether the bridge has gone (the office ended or the pipe broke),
    // asking the office when the bridge has not noticed it yet.
    bool isLost() const;

    // Runs one step of the export over this connection (step: a Japanese
    // verb phrase for the messages), turning any failure into OperationFailed.
    template <class Step>
    decltype(auto) run(std::u16string_view step, Step&& body) const {
        try {
            return body();
        } catch (const OperationFailed&) {
            throw;
        } catch (...) {
            ThrowStepFailed(step, isLost());
        }
    }

private:
    OfficeConnection(css::uno::Reference<css::lang::XComponent> bridge,
                     css::uno::Reference<css::uno::XComponentContext> office);

    static std::unique_ptr<OfficeConnection> tryConnect(
        const css::uno::Reference<css::uno::XComponentContext>& local, const OfficeOptions& options);

    css::uno::Reference<css::lang::XComponent> bridge_;
    css::uno::Reference<css::uno::XComponentContext> office_;
    rtl::Reference<BridgeWatch> watch_;
};

} // namespace tavrosk::libreoffice

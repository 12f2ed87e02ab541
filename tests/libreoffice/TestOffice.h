#pragma once

#include "export/libreoffice/CalcServer.h"
#include "export/libreoffice/OfficeConnection.h"
#include "export/libreoffice/UnoRuntime.h"

#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace tavrosk::test {

using css::sheet::XSpreadsheet;
using css::sheet::XSpreadsheetDocument;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;
using libreoffice::OUString;

// An office of the tests' own: a pipe name and a profile folder no other
// office uses. The backend starts it on the first export; destroying this
// closes its documents, ends it (the backend never does) and removes the
// profile.
class TestOffice {
public:
    ~TestOffice() {
        try { terminate(); } catch (...) {}  // what can be ended is; a destructor throws nothing
        std::error_code ignored;
        std::filesystem::remove_all(profile_, ignored);
    }

    libreoffice::OfficeOptions options() const {
        return {.pipeName = pipe_,
                .extraArguments = {"-env:UserInstallation=file://" + profile_},
                .startTimeout = std::chrono::seconds(60)};
    }

    // Whether an office answers on the pipe (never starts one).
    bool running() const {
        try {
            css::connection::Connector::create(libreoffice::LocalContext())
                ->connect(OUString::fromUtf8(("pipe,name=" + pipe_).c_str()))->close();
            return true;
        } catch (const css::connection::NoConnectException&) {
            return false;
        }
    }

    // The documents open in it, through the tests' own connection.
    std::vector<Reference<XSpreadsheetDocument>> documents() {
        std::vector<Reference<XSpreadsheetDocument>> result;
        if (!running())
            return result;
        if (!connection_ || connection_->isLost())
            connection_ = libreoffice::OfficeConnection::open(options());
        const auto components =
            css::frame::Desktop::create(connection_->office())->getComponents()->createEnumeration();
        while (components->hasMoreElements())
            if (Reference<XSpreadsheetDocument> document(components->nextElement(), css::uno::UNO_QUERY); document.is())
                result.push_back(document);
        return result;
    }

    // Closes every document, as the user closing the office's windows, and
    // lets go of the tests' connection, which the user does not have.
    void closeDocuments() {
        for (const auto& document : documents())
            Reference<css::util::XCloseable>(document, UNO_QUERY_THROW)->close(true);
        connection_.reset();
    }

    void terminate() {
        closeDocuments();  // first, so that no document waits for an answer about saving
        if (!running())
            return;
        try {
            css::frame::Desktop::create(libreoffice::OfficeConnection::open(options())->office())->terminate();
        } catch (const css::lang::DisposedException&) {
            // The bridge went down with the office before the answer came.
        }
        for (int wait = 0; wait < 200 && running(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

private:
    static inline int made_ = 0;
    const std::string unique_ = std::to_string(getpid()) + "-" + std::to_string(made_++);
    const std::string pipe_ = "tavrosk-test-" + unique_;
    const std::string profile_ = std::filesystem::temp_directory_path() / ("tavrosk-lo-profile-" + unique_);
    std::unique_ptr<libreoffice::OfficeConnection> connection_;
};

inline Reference<XSpreadsheet> sheet(const Reference<XSpreadsheetDocument>& document, const std::u16string& name) {
    return Reference<XSpreadsheet>(document->getSheets()->getByName(libreoffice::ToOUString(name)), UNO_QUERY_THROW);
}

} // namespace tavrosk::test

#include "tests/libreoffice/TestOffice.h"

#include "export/libreoffice/UnoRuntime.h"

#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace tavrosk::test {

using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

TestOffice::TestOffice() {
    static std::atomic<int> counter{0};
    const std::string unique = std::to_string(getpid()) + "-" + std::to_string(counter++);
    pipe_ = "tavrosk-test-" + unique;
    profile_ = std::filesystem::temp_directory_path() / ("tavrosk-lo-profile-" + unique);
}

TestOffice::~TestOffice() {
    try {
        terminate();
    } catch (...) {
    }
    std::error_code ignored;
    std::filesystem::remove_all(profile_, ignored);
}

libreoffice::OfficeOptions TestOffice::options() const {
    libreoffice::OfficeOptions options;
    options.pipeName = pipe_;
    options.extraArguments = {"-env:UserInstallation=file://" + profile_};
    options.startTimeout = std::chrono::seconds(60);
    return options;
}

bool TestOffice::running() const {
    try {
        css::connection::Connector::create(libreoffice::localContext())
            ->connect(OUString::fromUtf8(("pipe,name=" + pipe_).c_str()))
            ->close();
        return true;
    } catch (const css::connection::NoConnectException&) {
        return false;
    }
}

std::vector<Reference<XSpreadsheetDocument>> TestOffice::documents() {
    std::vector<Reference<XSpreadsheetDocument>> result;
    if (!running())
        return result;
    if (!connection_ || connection_->isLost())
        connection_ = libreoffice::OfficeConnection::open(options());
    const auto components = css::frame::Desktop::create(connection_->office())->getComponents()->createEnumeration();
    while (components->hasMoreElements()) {
        if (Reference<XSpreadsheetDocument> document(components->nextElement(), UNO_QUERY); document.is())
            result.push_back(document);
    }
    return result;
}

void TestOffice::closeDocuments() {
    for (const auto& document : documents())
        Reference<css::util::XCloseable>(document, UNO_QUERY_THROW)->close(true);
    connection_.reset();
}

void TestOffice::terminate() {
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

Reference<XSpreadsheet> sheet(const Reference<XSpreadsheetDocument>& document, const std::u16string& name) {
    return Reference<XSpreadsheet>(document->getSheets()->getByName(libreoffice::toOUString(name)), UNO_QUERY_THROW);
}

} // namespace tavrosk::test

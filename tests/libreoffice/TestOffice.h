#pragma once

#include "export/libreoffice/CalcServer.h"
#include "export/libreoffice/OfficeConnection.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <memory>
#include <string>
#include <vector>

namespace tavrosk::test {

using css::sheet::XSpreadsheet;
using css::sheet::XSpreadsheetDocument;
using css::uno::Reference;
using libreoffice::OUString;

// An office of the tests' own: a pipe name and a profile folder no other
// office uses. The backend starts it on the first export; destroying this
// closes its documents, ends it (the backend never does) and removes the
// profile.
class TestOffice {
public:
    TestOffice();
    ~TestOffice();

    libreoffice::OfficeOptions options() const;
    // Whether an office answers on the pipe (never starts one).
    bool running() const;
    // The documents open in it, through the tests' own connection.
    std::vector<Reference<XSpreadsheetDocument>> documents();
    void terminate();
    // Closes every document, as the user closing the office's windows, and
    // lets go of the tests' connection, which the user does not have.
    void closeDocuments();

private:
    std::string pipe_;
    std::string profile_;
    std::unique_ptr<libreoffice::OfficeConnection> connection_;
};

Reference<XSpreadsheet> sheet(const Reference<XSpreadsheetDocument>& document, const std::u16string& name);

} // namespace tavrosk::test

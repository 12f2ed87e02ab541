#pragma once

#include "export/libreoffice/CalcServer.h"
#include "export/libreoffice/OfficeConnection.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <memory>
#include <string>
#include <sys/types.h>
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

private:
    std::string pipe_;
    std::string profile_;
    std::unique_ptr<libreoffice::OfficeConnection> connection_;
};

// Puts UTF-8 text on the X clipboard from another process (xclip), which
// serves it until this is destroyed or another program takes it over.
class XClipboard {
public:
    explicit XClipboard(const std::string& text);
    ~XClipboard();
    XClipboard(const XClipboard&) = delete;
    XClipboard& operator=(const XClipboard&) = delete;

private:
    std::string file_;
    pid_t pid_ = -1;
};

// The office most tests share, ended after the last test (main.cpp).
TestOffice& sharedOffice();

// The export's calls in its order; keepColumnAAsText and paste only with
// paste set (the export makes them when the clipboard holds plain text).
void runExport(SpreadsheetServer& server, bool paste);

Reference<XSpreadsheet> sheet(const Reference<XSpreadsheetDocument>& document, const std::u16string& name);

} // namespace tavrosk::test

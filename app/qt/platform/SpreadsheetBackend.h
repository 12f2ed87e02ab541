#pragma once

#include "export/LongCall.h"
#include "export/SpreadsheetServer.h"

#include <memory>

namespace tavrosk::qt {

// The spreadsheet application and the way calls to it are made: LibreOffice
// Calc over UNO, called from a worker thread so that the window keeps
// serving the clipboard the office reads.
struct SpreadsheetBackend {
    std::unique_ptr<SpreadsheetServer> server;
    std::unique_ptr<LongCall> longCall;
};

SpreadsheetBackend PlatformSpreadsheetBackend();

} // namespace tavrosk::qt

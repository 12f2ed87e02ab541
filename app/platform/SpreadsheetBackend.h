#pragma once

#include "export/LongCall.h"
#include "export/SpreadsheetServer.h"

#include <memory>

namespace tavrosk {

// The platform's spreadsheet application and the way calls to it are made:
// on Windows Excel through COM, called on the window's thread (its objects
// belong to that thread's apartment); elsewhere LibreOffice Calc over UNO,
// called from a worker thread so that the window keeps serving the
// clipboard the office reads.
struct SpreadsheetBackend {
    std::unique_ptr<SpreadsheetServer> server;
    std::unique_ptr<LongCall> longCall;
};

SpreadsheetBackend PlatformSpreadsheetBackend();

} // namespace tavrosk

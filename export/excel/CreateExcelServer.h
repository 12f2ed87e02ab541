#pragma once

#include "export/SpreadsheetServer.h"

#include <memory>

namespace tavrosk::excel {

// The Excel backend, for code that should not see the Windows headers.
std::unique_ptr<SpreadsheetServer> createExcelServer();

} // namespace tavrosk::excel

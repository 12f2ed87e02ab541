#pragma once

#include "export/SpreadsheetServer.h"

namespace tavrosk::excel {

// Microsoft Excel reached through IDispatch, late-bound by member name. Each
// createApplication enters the calling thread into a single-threaded COM
// apartment; the application, workbook and worksheet objects share that
// entry and leave the apartment when the last of them goes. They must be
// used and destroyed on the thread that called createApplication.
class ExcelServer final : public SpreadsheetServer {
public:
    std::unique_ptr<SpreadsheetApplication> createApplication() override;
};

} // namespace tavrosk::excel

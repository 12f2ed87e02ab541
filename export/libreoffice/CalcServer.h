#pragma once

#include "export/SpreadsheetServer.h"
#include "export/libreoffice/OfficeOptions.h"

namespace tavrosk::libreoffice {

// LibreOffice Calc as the spreadsheet application, reached over UNO. Each
// createApplication() connects anew to the office listening on the options'
// pipe, starting the office first when none answers. The office and its
// documents stay open after the export; only the connection is dropped.
class CalcServer final : public SpreadsheetServer {
public:
    explicit CalcServer(OfficeOptions options = {});

    std::unique_ptr<SpreadsheetApplication> createApplication() override;

private:
    OfficeOptions options_;
};

} // namespace tavrosk::libreoffice

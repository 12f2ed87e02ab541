#pragma once

#include "export/SpreadsheetServer.h"

#include <oaidl.h>

#include <functional>

namespace tavrosk::excel {

// Makes the automation object of the spreadsheet application; returns an
// HRESULT and, on success, one reference through the out parameter.
using ApplicationFactory = std::function<HRESULT(IDispatch** application)>;

// CLSIDFromProgID("Excel.Application"), then CoCreateInstance of its
// IDispatch from the Excel program (a local server) on this machine.
HRESULT CreateExcelApplication(IDispatch** application);

// Microsoft Excel reached through IDispatch, late-bound by member name. Each
// createApplication enters the calling thread into a single-threaded COM
// apartment; the application, workbook and worksheet objects share that
// entry and leave the apartment when the last of them goes. They must be
// used and destroyed on the thread that called createApplication.
class ExcelServer final : public SpreadsheetServer {
public:
    explicit ExcelServer(ApplicationFactory factory = CreateExcelApplication);
    std::unique_ptr<SpreadsheetApplication> createApplication() override;

private:
    ApplicationFactory factory_;
};

} // namespace tavrosk::excel

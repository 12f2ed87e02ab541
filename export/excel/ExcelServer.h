#pragma once

#include "export/SpreadsheetServer.h"
#include "export/excel/BusyRetry.h"

#include <oaidl.h>

#include <string_view>

namespace tavrosk::excel {

// The applications the export can call, first choice first: Excel, then
// WPS Spreadsheets, whose object model follows Excel's (KET.Application; its
// older versions ET.Application).
struct Automation {
    std::wstring_view progId;
    std::u16string_view name;  // in the messages
};
inline constexpr Automation kApplications[] = {
    {L"Excel.Application", u"Excel"},
    {L"KET.Application", u"WPS Spreadsheets"},
    {L"ET.Application", u"WPS Spreadsheets"},
};

// The spreadsheet application reached through IDispatch, late-bound by
// member name: the first of kApplications registered here, created with
// CoCreateInstance from its program (a local server) on this machine. Each
// createApplication enters the calling thread into a single-threaded COM
// apartment and registers a message filter there; the application, workbook
// and worksheet objects share both and undo them when the last of them goes.
// They must be used and destroyed on the thread that called
// createApplication. A call the application turns away as busy is retried,
// then ask says whether to go on.
class ExcelServer final : public SpreadsheetServer {
public:
    explicit ExcelServer(BusyRetry::Question ask);
    std::unique_ptr<SpreadsheetApplication> createApplication() override;

private:
    BusyRetry::Question ask_;
};

} // namespace tavrosk::excel

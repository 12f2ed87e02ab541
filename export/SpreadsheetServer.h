#pragma once

#include <memory>
#include <string>

namespace tavrosk {

// The spreadsheet application, reached by automation. The operations follow
// the calls the export makes, in their order. Each object is a reference held
// only for the length of one export; destroying it releases the reference and
// never closes, saves or quits anything on the application's side.
// Every operation throws OperationFailed with a Japanese message on failure.

class Worksheet {
public:
    virtual ~Worksheet() = default;
    // "Name" put.
    virtual void setName(const std::u16string& name) = 0;
    // Makes column A keep what is pasted as text, so that names such as
    // "0012", "3-4" or "=SUM(A1)" arrive unchanged (not as numbers, dates or
    // formulas). Called before paste().
    virtual void keepColumnAAsText() = 0;
    // "Paste": the clipboard's plain text into the sheet, one line per row of
    // column A from A1.
    virtual void paste() = 0;
    // "Columns"("A:A") get, "EntireColumn" get, "AutoFit".
    virtual void autoFitColumnA() = 0;
};

class Workbook {
public:
    virtual ~Workbook() = default;
    // "Worksheets" get, "Add".
    virtual std::unique_ptr<Worksheet> addWorksheet() = 0;
};

class SpreadsheetApplication {
public:
    virtual ~SpreadsheetApplication() = default;
    // "Visible" put true: the application's window is shown (and in front).
    virtual void makeVisible() = 0;
    // "Workbooks" get, "Add".
    virtual std::unique_ptr<Workbook> addWorkbook() = 0;
};

// Creates (or reaches) the application; one call per export, each anew.
class SpreadsheetServer {
public:
    virtual ~SpreadsheetServer() = default;
    virtual std::unique_ptr<SpreadsheetApplication> createApplication() = 0;
};

} // namespace tavrosk

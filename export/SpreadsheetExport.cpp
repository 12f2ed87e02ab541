#include "export/SpreadsheetExport.h"

#include "export/ClipboardExport.h"

#include <memory>
#include <string>

namespace tavrosk {
namespace {

// Held only for this export. They are released inside the calls that use
// them, on every path: an automation object may be given back only on the
// thread that obtained it (the long call's). That leaves the application
// running.
struct Held {
    std::unique_ptr<SpreadsheetApplication> application;
    std::unique_ptr<Workbook> workbook;
    std::unique_ptr<Worksheet> worksheet;

    void release() {
        worksheet.reset();
        workbook.reset();
        application.reset();
    }
};

// Runs the steps through longCall; a failure releases everything first.
void runHolding(LongCall& longCall, Held& held, const std::function<void()>& steps) {
    longCall.run([&] {
        try {
            steps();
        } catch (...) {
            held.release();
            throw;
        }
    });
}

} // namespace

void ExportToSpreadsheet(FormState& state, SpreadsheetServer& server, LongCall& longCall) {
    CopyListToClipboard(state);

    Held held;
    runHolding(longCall, held, [&] {
        held.application = server.createApplication();
        held.application->makeVisible();
        held.workbook = held.application->addWorkbook();
        held.worksheet = held.workbook->addWorksheet();
        held.worksheet->setName(std::u16string(kSheetName));
    });

    // Asked afresh: the clipboard may have changed hands since it was set.
    bool paste = false;
    try {
        paste = state.clipboard.hasPlainText();
    } catch (...) {
        longCall.run([&] { held.release(); });
        throw;
    }

    runHolding(longCall, held, [&] {
        if (paste) {
            held.worksheet->keepColumnAAsText();
            held.worksheet->paste();
        }
        held.worksheet->autoFitColumnA();
        held.release();
    });
}

} // namespace tavrosk

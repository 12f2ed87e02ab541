#include "export/SpreadsheetExport.h"

#include "export/ClipboardExport.h"

#include <memory>
#include <string>

namespace tavrosk {

void ExportToSpreadsheet(FormState& state, SpreadsheetServer& server, LongCall& longCall) {
    CopyListToClipboard(state);

    // Held only for this export; released on every path, which leaves the
    // application running.
    std::unique_ptr<SpreadsheetApplication> application;
    std::unique_ptr<Workbook> workbook;
    std::unique_ptr<Worksheet> worksheet;

    longCall.run([&] {
        application = server.createApplication();
        application->makeVisible();
        workbook = application->addWorkbook();
        worksheet = workbook->addWorksheet();
        worksheet->setName(std::u16string(kSheetName));
    });

    // Asked afresh: the clipboard may have changed hands since it was set.
    const bool paste = state.clipboard.hasPlainText();

    longCall.run([&] {
        if (paste) {
            worksheet->keepColumnAAsText();
            worksheet->paste();
        }
        worksheet->autoFitColumnA();
    });
}

} // namespace tavrosk

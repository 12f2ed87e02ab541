#pragma once

#include "export/SpreadsheetServer.h"
#include "export/libreoffice/OfficeConnection.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <memory>

namespace tavrosk::libreoffice {

// One sheet of a Calc document, reached over the connection.
class CalcWorksheet final : public Worksheet {
public:
    CalcWorksheet(std::shared_ptr<const OfficeConnection> connection,
                  css::uno::Reference<css::sheet::XSpreadsheetDocument> document,
                  css::uno::Reference<css::sheet::XSpreadsheet> sheet);

    void setName(const std::u16string& name) override;
    // Gives column A the document's text number format ("@").
    void keepColumnAAsText() override;
    // Writes the clipboard's lines into column A from A1 as strings, in one
    // call. (Calc's own paste commands ask about multi-line text in a dialog
    // first, which would hold the export until someone answered it.)
    void paste() override;
    // Gives column A the width Calc's own fit of the whole column gives it,
    // in a fraction of the time that fit takes for a long list.
    void autoFitColumnA() override;

private:
    std::shared_ptr<const OfficeConnection> connection_;
    css::uno::Reference<css::sheet::XSpreadsheetDocument> document_;
    css::uno::Reference<css::sheet::XSpreadsheet> sheet_;
    // What paste() wrote into column A, for the fit.
    OUString pasted_;
};

} // namespace tavrosk::libreoffice

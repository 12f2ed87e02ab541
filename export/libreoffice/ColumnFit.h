#pragma once

#include "export/libreoffice/UnoErrors.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

namespace tavrosk::libreoffice {

// Gives column A of the sheet (in a new document) the width its widest line
// needs, for column A holding the lines of `text` (those the export wrote;
// empty if none).
//
// Calc's own fit lays out every cell of the column, and mixed Latin and
// Japanese text takes its slow path there (about 0.1 ms a cell: seconds for
// a long list). A long list is therefore measured by its likely widest lines
// only: Calc fits them in a hidden scratch document of the same kind, and
// column A gets that width. The user's document sees one width change only,
// with nothing extra to undo.
void fitColumnA(const css::uno::Reference<css::uno::XComponentContext>& office,
                const css::uno::Reference<css::sheet::XSpreadsheet>& sheet, const OUString& text);

} // namespace tavrosk::libreoffice

#pragma once

#include "export/LongCall.h"
#include "export/SpreadsheetServer.h"
#include "model/FormState.h"

#include <string_view>

namespace tavrosk {

inline constexpr std::u16string_view kSheetName = u"タヴロスク";

// Puts the list on the clipboard and empties both fields (as
// CopyListToClipboard does), then opens a new workbook in the spreadsheet
// application with a sheet named kSheetName, pastes the clipboard's plain
// text there (only if it holds some) as text, and fits column A. The
// application is left open; nothing is saved, closed or quit. The calls to
// the application go through longCall.
void ExportToSpreadsheet(FormState& state, SpreadsheetServer& server, LongCall& longCall);

} // namespace tavrosk

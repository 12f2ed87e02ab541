#pragma once

#include "model/FormState.h"

namespace tavrosk {

// The line ending written after every appended line, never before one.
inline constexpr char16_t kLineEnd[] = u"\r\n";

// Selects every entry of the file list, from the last to the first.
void SelectAllFiles(FormState& state);

// Appends the name of each selected entry, first to last, each followed by
// CR LF. The selection is left as it is, so a second click appends again.
void AppendSelectedNames(FormState& state);

// Appends the folder list's current path, followed by CR LF.
void AppendFolderPath(FormState& state);

// Empties both text fields, then deselects every entry from the last to the
// first.
void ClearAll(FormState& state);

} // namespace tavrosk

#pragma once

namespace tavrosk {

// What a button or a context-menu entry asks the core to do.
enum class Action {
    SelectAllFiles,
    AppendSelectedNames,
    ClearAll,
    CopyListToClipboard,
    StripExtensions,
    AppendFolderPath,
    ExportToSpreadsheet,
};

} // namespace tavrosk

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
    AppendTitlesFromTags,  // the file list's context menu
    RemoveTrackNumbers,    // Text1's context menu
};

} // namespace tavrosk

#pragma once

#include "model/FolderList.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tavrosk {

class NameOrder;
class SharedFolderRead;

// One row of a classic folder list.
struct FolderRow {
    std::filesystem::path path;
    std::u16string text;  // the folder's name as shown, or a root's path
    int indent;           // 0 for the root, one more a level, at most kDeepestIndent
    bool open;            // the open folder and its ancestors; its subfolders are closed
};

// Past a few levels the indent stops growing, so that a deep folder's name
// keeps the list's width; the ancestors from there on share one indent.
constexpr int kDeepestIndent = 4;

// The folder list as the window's toolkit shows it.
class FolderListView {
public:
    virtual ~FolderListView() = default;
    // Shows the rows in their order, with the row at current (the open
    // folder) chosen and in view.
    virtual void showRows(const std::vector<FolderRow>& rows, std::size_t current) = 0;
};

// Dir1, a classic folder list: the open folder's ancestors from the root
// down and the open folder, each as an open folder, then its subfolders in
// the platform's order. Opening a row (a double-click, or Enter) makes it
// the open folder; opening the open folder's own row changes nothing, so
// the file list keeps its selection. A folder that cannot be opened leaves
// the list showing the open folder, chosen, as before.
class ClassicFolderList final : public FolderList {
public:
    ClassicFolderList(FolderListView& view, SharedFolderRead& reading, const NameOrder& order)
        : view_(view), reading_(reading), order_(order) {}

    std::filesystem::path path() const override { return current_; }
    void setPath(const std::filesystem::path& path) override;

    // Shows that folder without raising the change notification (start-up).
    // A folder that cannot be read leaves the list as it was.
    void show(const std::filesystem::path& folder);
    // The user opens the row at that position.
    void openRow(std::size_t row);

private:
    FolderListView& view_;
    SharedFolderRead& reading_;
    const NameOrder& order_;
    std::filesystem::path current_;
    std::vector<FolderRow> rows_;
    std::size_t currentRow_ = 0;
};

} // namespace tavrosk

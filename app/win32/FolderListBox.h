#pragma once

#include "navigation/ClassicFolderList.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace tavrosk::win32 {

// Dir1's rows in an owner-drawn list box, each indented by its depth, with
// an open or a closed folder before its name.
class FolderListBox final : public FolderListView {
public:
    explicit FolderListBox(HWND list) : list_(list) {}

    void showRows(const std::vector<FolderRow>& rows, std::size_t current) override;

    // The row the user has chosen, if any.
    std::optional<std::size_t> chosenRow() const;
    void draw(const DRAWITEMSTRUCT& item, double scale) const;

private:
    HWND list_;
    std::vector<FolderRow> rows_;
};

} // namespace tavrosk::win32

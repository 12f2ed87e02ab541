#pragma once

#include "navigation/ClassicFolderList.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrosk::win32 {

// Dir1's rows in an owner-drawn list box, each indented by its indent, with
// an open or a closed folder before its name, and the folder's full path as
// the tooltip of the row under the mouse.
class FolderListBox final : public FolderListView {
public:
    explicit FolderListBox(HWND list);
    FolderListBox(const FolderListBox&) = delete;
    FolderListBox& operator=(const FolderListBox&) = delete;

    void showRows(const std::vector<FolderRow>& rows, std::size_t current) override;

    // The row the user has chosen, if any.
    std::optional<std::size_t> chosenRow() const;
    void draw(const DRAWITEMSTRUCT& item, double scale) const;

private:
    static LRESULT CALLBACK followMouse(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    void tipFor(std::size_t row);

    HWND list_;
    HWND tip_ = nullptr;
    std::vector<FolderRow> rows_;
    std::size_t tipRow_ = SIZE_MAX;
    std::u16string tipText_;
};

} // namespace tavrosk::win32

#pragma once

#include "model/FileList.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tavrosk::win32 {

class SharedFolderRead;

// File1: a multi-select (extended) list box that holds no strings of its own
// (LBS_NODATA): it draws the names kept here, so that 32,767 entries fill in
// one call. The selection is kept as one flag per entry. Commands set
// entries one at a time; the list box is brought in line afterwards, one
// range call per run of selected entries. What the user selects flows back
// into the flags.
class FileListBox final : public FileList {
public:
    FileListBox(HWND list, SharedFolderRead& reading) : list_(list), reading_(reading) {}

    std::size_t count() const override { return names_.size(); }
    std::u16string name(std::size_t position) const override;
    bool isSelected(std::size_t position) const override;
    void setSelected(std::size_t position, bool selected) override;
    void setPath(const std::filesystem::path& folder) override;

    void applySelectionToView();
    void takeSelectionFromView();
    void draw(const DRAWITEMSTRUCT& item) const;

private:
    void checkPosition(std::size_t position) const;

    HWND list_;
    SharedFolderRead& reading_;
    std::vector<std::wstring> names_;
    std::vector<char> selected_;
    bool viewBehind_ = false;
};

} // namespace tavrosk::win32

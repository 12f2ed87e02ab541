#pragma once

#include "navigation/MultiSelectFileList.h"

#include <windows.h>

#include <cstddef>

namespace tavrosk::win32 {

// File1's names in an extended multi-select list box that holds no strings
// of its own (LBS_NODATA): it draws the names the list holds, so that 32,767
// entries fill in one call. The program's selection is brought into the
// list box, one range call per run, once the window's message loop runs
// again; what the user selects flows back into the list's flags.
class FileListBox final : public FileListView {
public:
    // Selection changes are announced to window with message.
    FileListBox(HWND list, HWND window, UINT message) : listBox_(list), window_(window), message_(message) {}

    // The list whose names and selection the list box shows.
    void show(MultiSelectFileList& list) { list_ = &list; }

    void showNames(std::size_t count) override;
    void selectionChanged() override;
    void scrollTo(std::size_t position) override;

    // Answers the message selectionChanged() posted.
    void applySelectionToView();
    void takeSelectionFromView();
    void draw(const DRAWITEMSTRUCT& item) const;

private:
    HWND listBox_;
    HWND window_;
    UINT message_;
    MultiSelectFileList* list_ = nullptr;
    bool updatePending_ = false;
};

} // namespace tavrosk::win32

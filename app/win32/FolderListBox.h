#pragma once

#include "model/FolderList.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tavrosk {
class FailureReport;
}

namespace tavrosk::win32 {

class SharedFolderRead;

// Dir1: the classic folder list, an owner-drawn list box. It shows the
// current folder's ancestors from the root down and the current folder, each
// with an open folder, and the current folder's subfolders below it with
// closed ones, each indented by its depth. Opening an entry (double-click or
// Enter) makes it current.
class FolderListBox final : public FolderList {
public:
    // Failures of the user's own opening of a folder go to report.
    FolderListBox(HWND list, SharedFolderRead& reading, FailureReport& report)
        : list_(list), reading_(reading), report_(report) {}

    std::filesystem::path path() const override { return current_; }
    void setPath(const std::filesystem::path& path) override;

    // Shows that folder without raising the change notification (start-up).
    void show(const std::filesystem::path& folder);
    // Opens the entry the user chose.
    void openChosen();
    void draw(const DRAWITEMSTRUCT& item, double scale) const;

private:
    struct Entry {
        std::filesystem::path path;
        std::wstring text;
        int depth;
        bool open;
    };

    HWND list_;
    SharedFolderRead& reading_;
    FailureReport& report_;
    std::filesystem::path current_;
    std::vector<Entry> entries_;
};

} // namespace tavrosk::win32

#pragma once

#include "app/ControlTable.h"
#include "app/win32/SharedFolderRead.h"
#include "model/FormState.h"

#include <windows.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

namespace tavrosk {
class FailureReport;
class LongCall;
class SpreadsheetServer;
}

namespace tavrosk::win32 {

class DriveComboBox;
class EditField;
class FileListBox;
class FolderListBox;
class SystemClipboard;

// The tool's one window with the Win32 API: the eighteen controls of the
// control table at their twips places, scaled by the monitor's DPI, bound to
// the commands. Each control's ID is 1000 + its tab place.
class Form1Window {
public:
    Form1Window(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall);
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Creates the window, hidden, centred on its monitor, its controls on the
    // start folder (a failure to read it is reported).
    HWND create(const std::filesystem::path& startFolder);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void createControls();
    void placeControls();
    void centre();
    void command(int id, int code);
    void drawItem(const DRAWITEMSTRUCT& item);
    void run(const std::function<void(FormState&)>& command);
    HWND control(std::string_view name) const;

    FailureReport& report_;
    SpreadsheetServer& spreadsheet_;
    LongCall& longCall_;

    HWND window_ = nullptr;
    std::array<HWND, controls::kControls.size()> controls_{};  // in the table's order
    UINT dpi_ = 96;
    HFONT uiFont_ = nullptr;
    HFONT text2Font_ = nullptr;
    HWND focus_ = nullptr;
    bool running_ = false;

    SharedFolderRead reading_;
    std::unique_ptr<EditField> text1_, text2_;
    std::unique_ptr<DriveComboBox> drive1_;
    std::unique_ptr<FolderListBox> dir1_;
    std::unique_ptr<FileListBox> file1_;
    std::unique_ptr<SystemClipboard> clipboard_;
    std::unique_ptr<FormState> state_;
};

} // namespace tavrosk::win32

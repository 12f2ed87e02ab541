#pragma once

#include "app/ControlTable.h"
#include "app/win32/DriveComboBox.h"
#include "app/win32/EditField.h"
#include "app/win32/FileListBox.h"
#include "app/win32/FolderListBox.h"
#include "app/win32/NaturalOrder.h"
#include "app/win32/SystemClipboard.h"
#include "commands/Form1Core.h"

#include <windows.h>

#include <array>
#include <memory>

namespace tavrosk::win32 {

// The tool's one window with the Win32 API: the eighteen controls of the
// control table at their twips places, scaled by the monitor's DPI, each
// bound to the core through an adapter. Each control's ID is 1000 + its tab
// place.
class Form1 {
public:
    Form1(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall, const TitleReader& titles,
          BackgroundSteps& steps);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window, hidden and centred on its monitor, with its
    // controls; the core then shows the start folder.
    HWND create();
    Form1Core& core() { return *core_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void createControls();
    void placeControls();
    void centre();
    void command(int id, int code);
    void openChosenFolder();
    void drop(HDROP dropped);
    // After an event of the user's: a close asked for meanwhile, or the
    // cursor of a window that waits no more.
    void afterEvent();
    void drawItem(const DRAWITEMSTRUCT& item);
    void showFileMenu(LPARAM at);
    HWND control(std::string_view name) const;

    FailureReport& report_;
    SpreadsheetServer& spreadsheet_;
    LongCall& longCall_;
    const TitleReader& titles_;
    BackgroundSteps& steps_;

    HWND window_ = nullptr;
    std::array<HWND, controls::kControls.size()> controls_{};  // in the table's order
    UINT dpi_ = 96;
    HFONT uiFont_ = nullptr;
    HFONT faceFont_ = nullptr;  // the face a control has of its own (Text2's)
    HWND focus_ = nullptr;
    bool closeWhenDone_ = false;

    std::unique_ptr<EditField> text1_, text2_;
    std::unique_ptr<DriveComboBox> drive1_;
    std::unique_ptr<FolderListBox> dir1_;
    std::unique_ptr<FileListBox> file1_;
    std::unique_ptr<SystemClipboard> clipboard_;
    NaturalOrder order_;
    std::unique_ptr<Form1Core> core_;
};

} // namespace tavrosk::win32

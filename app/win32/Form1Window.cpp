#include "app/win32/Form1Window.h"

#include "app/win32/DriveComboBox.h"
#include "app/win32/EditField.h"
#include "app/win32/FileListBox.h"
#include "app/win32/FolderListBox.h"
#include "app/win32/GraphicalButton.h"
#include "app/win32/SystemClipboard.h"
#include "app/win32/WideText.h"
#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "commands/RunCommand.h"
#include "export/ClipboardExport.h"
#include "export/SpreadsheetExport.h"
#include "navigation/Navigation.h"

#include <commctrl.h>

#include <cwchar>
#include <utility>

namespace tavrosk::win32 {

namespace {

using controls::Control;
using controls::Kind;

constexpr wchar_t kClassName[] = L"TavroskForm1";
constexpr int kFirstId = 1000;

int idOf(const Control& control) {
    return kFirstId + control.tab;
}

struct Style {
    const wchar_t* windowClass;
    DWORD style, extended;
};

Style styleOf(const Control& control) {
    constexpr DWORD list = LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    switch (control.kind) {
    case Kind::DriveList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case Kind::FolderList: return {WC_LISTBOXW, list, WS_EX_CLIENTEDGE};
    case Kind::FileList: return {WC_LISTBOXW, list | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE};
    case Kind::Button: return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    case Kind::GraphicalButton: return {WC_BUTTONW, BS_OWNERDRAW, 0};
    case Kind::LineField: return {WC_EDITW, ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::ListField: return {WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Label:
        return {WC_STATICW, static_cast<DWORD>((control.name == "Label2" ? SS_CENTER : SS_LEFT) | SS_NOPREFIX), 0};
    case Kind::Picture: return {WC_STATICW, SS_OWNERDRAW, 0};
    }
    return {WC_STATICW, 0, 0};
}

std::optional<Picture> pictureOf(const Control& control) {
    if (control.name == "Command4")
        return Picture::Clipboard;
    if (control.name == "Command7")
        return Picture::Spreadsheet;
    return std::nullopt;
}

// Text1 passes Tab on to the window, which moves the focus to the next
// control, as everywhere else in the window; Enter still starts a new line.
LRESULT CALLBACK tabMovesOn(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    LRESULT result = DefSubclassProc(window, message, w, l);
    const auto* key = reinterpret_cast<const MSG*>(l);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
        result &= ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    return result;
}

HFONT uiFontFor(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

HFONT text2FontFor(UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(12, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::wcscpy(font.lfFaceName, L"ＭＳ Ｐゴシック");
    return CreateFontIndirectW(&font);
}

int textHeight(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

} // namespace

Form1Window::Form1Window(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall)
    : report_(report), spreadsheet_(spreadsheet), longCall_(longCall) {}

Form1Window::~Form1Window() {
    if (window_)
        DestroyWindow(window_);
    DeleteObject(uiFont_);
    DeleteObject(text2Font_);
}

HWND Form1Window::create(const std::filesystem::path& startFolder) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    CreateWindowExW(0, kClassName, L"タヴロスク作成支援ツール", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, this);
    if (!window_)
        return nullptr;
    dpi_ = GetDpiForWindow(window_);
    createControls();
    placeControls();
    centre();

    drive1_->showDriveOf(startFolder);
    RunCommand(report_, [&] {
        dir1_->show(startFolder);
        file1_->setPath(dir1_->path());
    });
    reading_.forget();
    return window_;
}

void Form1Window::createControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // Created in tab order: the focus moves through the window's children in
    // the order they were made.
    for (int tab = 0; tab < static_cast<int>(controls::kControls.size()); ++tab) {
        for (std::size_t i = 0; i < controls::kControls.size(); ++i) {
            const Control& c = controls::kControls[i];
            if (c.tab != tab)
                continue;
            const Style style = styleOf(c);
            const std::u16string caption(c.caption);
            controls_[i] = CreateWindowExW(style.extended, style.windowClass, wide(caption),
                                           WS_CHILD | WS_VISIBLE | style.style | (takesFocus(c) ? WS_TABSTOP : 0), 0,
                                           0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(c))),
                                           instance, nullptr);
        }
    }
    HWND text1 = control("Text1");
    SendMessageW(text1, EM_SETLIMITTEXT, 0, 0);  // no limit of its own
    SetWindowSubclass(text1, tabMovesOn, 0, 0);

    text1_ = std::make_unique<EditField>(text1);
    text2_ = std::make_unique<EditField>(control("Text2"));
    drive1_ = std::make_unique<DriveComboBox>(control("Drive1"));
    dir1_ = std::make_unique<FolderListBox>(control("Dir1"), reading_, report_);
    file1_ = std::make_unique<FileListBox>(control("File1"), reading_);
    clipboard_ = std::make_unique<SystemClipboard>(window_);
    state_ = std::make_unique<FormState>(FormState{*text1_, *text2_, *file1_, *dir1_, *drive1_, *clipboard_});
    drive1_->changed().subscribe([this] { RunCommand(report_, [this] { OnDriveChange(*state_); }); });
    dir1_->changed().subscribe([this] { RunCommand(report_, [this] { OnFolderChange(*state_); }); });
    focus_ = control("Command6");
}

void Form1Window::placeControls() {
    DeleteObject(uiFont_);
    DeleteObject(text2Font_);
    uiFont_ = uiFontFor(dpi_);
    text2Font_ = text2FontFor(dpi_);
    const auto pixels = [this](int twips) { return controls::toPixels(twips, dpi_); };
    for (std::size_t i = 0; i < controls::kControls.size(); ++i) {
        const Control& c = controls::kControls[i];
        // A drop-down list's height is that of the list it drops down.
        const int height = pixels(c.place.height) * (c.kind == Kind::DriveList ? 12 : 1);
        SetWindowPos(controls_[i], nullptr, pixels(c.place.left), pixels(c.place.top), pixels(c.place.width), height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(c.name == "Text2" ? text2Font_ : uiFont_),
                     TRUE);
    }
    // The closed drop-down list is as high as its place: its selection
    // field takes what the frame leaves (asked again, as list boxes of
    // different makers count the field's edge differently).
    HWND drive = control("Drive1");
    const int target = pixels(controls::control("Drive1").place.height);
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT shown{};
        GetWindowRect(drive, &shown);
        if (shown.bottom - shown.top == target)
            break;
        const LRESULT field = SendMessageW(drive, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        SendMessageW(drive, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field + target - (shown.bottom - shown.top));
    }

    const int line = textHeight(window_, uiFont_) + 2;
    SendMessageW(control("File1"), LB_SETITEMHEIGHT, 0, line);
    SendMessageW(control("Dir1"), LB_SETITEMHEIGHT, 0, std::max(line, MulDiv(18, static_cast<int>(dpi_), 96)));
    InvalidateRect(window_, nullptr, TRUE);
}

void Form1Window::centre() {
    RECT frame{0, 0, controls::toPixels(controls::kClientArea.width, dpi_),
               controls::toPixels(controls::kClientArea.height, dpi_)};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Form1Window::control(std::string_view name) const {
    for (std::size_t i = 0; i < controls::kControls.size(); ++i)
        if (controls::kControls[i].name == name)
            return controls_[i];
    return nullptr;
}

void Form1Window::run(const std::function<void(FormState&)>& command) {
    // Each event runs to its end before the next: an export waiting on the
    // spreadsheet application lets messages through, not a second command.
    if (running_)
        return;
    running_ = true;
    RunCommand(report_, [&] { command(*state_); });
    file1_->applySelectionToView();
    reading_.forget();
    running_ = false;
}

void Form1Window::command(int id, int code) {
    const Control* source = nullptr;
    for (const Control& c : controls::kControls)
        if (idOf(c) == id)
            source = &c;
    if (!source) {
        // Enter, which no button takes, opens the chosen folder in Dir1.
        if (id == IDOK && GetFocus() == control("Dir1"))
            run([this](FormState&) { dir1_->openChosen(); });
        return;
    }
    const std::string_view name = source->name;
    if (name == "Drive1" && code == CBN_SELCHANGE)
        run([this](FormState&) { drive1_->picked(); });
    else if (name == "Dir1" && code == LBN_DBLCLK)
        run([this](FormState&) { dir1_->openChosen(); });
    else if (name == "File1" && code == LBN_SELCHANGE)
        file1_->takeSelectionFromView();
    if (code != BN_CLICKED || (source->kind != Kind::Button && source->kind != Kind::GraphicalButton))
        return;
    const std::pair<std::string_view, std::function<void(FormState&)>> bindings[] = {
        {"Command1", SelectAllFiles},
        {"Command2", AppendSelectedNames},
        {"Command3", ClearAll},
        {"Command4", CopyListToClipboard},
        {"Command5", StripExtensions},
        {"Command6", AppendFolderPath},
        {"Command7", [this](FormState& state) { ExportToSpreadsheet(state, spreadsheet_, longCall_); }},
    };
    for (const auto& [button, bound] : bindings)
        if (button == name)
            run(bound);
}

void Form1Window::drawItem(const DRAWITEMSTRUCT& item) {
    const double scale = dpi_ / 96.0;
    for (const Control& c : controls::kControls) {
        if (idOf(c) != static_cast<int>(item.CtlID))
            continue;
        if (c.kind == Kind::GraphicalButton)
            drawGraphicalButton(item, *c.colour, pictureOf(c), scale);
        else if (c.kind == Kind::Picture) {
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
            drawPicture(item.hDC, Picture::Still, item.rcItem.left, item.rcItem.top, scale);
        } else if (c.kind == Kind::FolderList)
            dir1_->draw(item, scale);
        else if (c.kind == Kind::FileList)
            file1_->draw(item);
    }
}

LRESULT CALLBACK Form1Window::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT Form1Window::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(w), HIWORD(w));
        return 0;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_MEASUREITEM:
        // The list boxes' real item height is set with their font.
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = static_cast<UINT>(MulDiv(16, static_cast<int>(dpi_), 96));
        return TRUE;
    case WM_ACTIVATE:
        // The focus comes back to the control that had it.
        if (LOWORD(w) == WA_INACTIVE)
            focus_ = GetFocus();
        else if (focus_)
            SetFocus(focus_);
        return 0;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(w);
        const RECT& suggested = *reinterpret_cast<const RECT*>(l);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        placeControls();
        return 0;
    }
    case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, w, l);
    }
}

} // namespace tavrosk::win32

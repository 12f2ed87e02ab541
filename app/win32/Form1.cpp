#include "app/win32/Form1.h"

#include "app/ContextMenus.h"
#include "app/Texts.h"
#include "app/win32/AccessibleNames.h"
#include "app/win32/GraphicalButton.h"
#include "app/win32/WorkerLongCall.h"
#include "app/win32/WideText.h"

#include <commctrl.h>
#include <dbt.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace tavrosk::win32 {

namespace {

using controls::Control;
using controls::Kind;

constexpr wchar_t kClassName[] = L"TavroskForm1";
constexpr int kFirstId = 1000;
// Posted when File1's selection is to be brought into its list box.
constexpr UINT kShowSelection = WM_APP;

int idOf(const Control& control) {
    return kFirstId + control.tab;
}

struct Style {
    const wchar_t* windowClass;
    DWORD style, extended;
};

Style styleOf(const Control& control) {
    const bool centred = control.align == controls::Align::Centre;
    constexpr DWORD list = LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    switch (control.kind) {
    case Kind::DriveList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case Kind::FolderList: return {WC_LISTBOXW, list, WS_EX_CLIENTEDGE};
    case Kind::FileList: return {WC_LISTBOXW, list | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE};
    case Kind::Button: return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    case Kind::GraphicalButton: return {WC_BUTTONW, BS_OWNERDRAW, 0};
    case Kind::LineField:
        return {WC_EDITW, static_cast<DWORD>((centred ? ES_CENTER : ES_LEFT) | ES_AUTOHSCROLL), WS_EX_CLIENTEDGE};
    case Kind::ListField: return {WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE};
    // Drawn by the window, on one line at every DPI (a static control wraps
    // a caption its font makes a pixel too wide).
    case Kind::Label: return {WC_STATICW, SS_OWNERDRAW, 0};
    case Kind::Picture: return {WC_STATICW, SS_OWNERDRAW, 0};
    }
    return {WC_STATICW, 0, 0};
}

std::optional<Picture> pictureOf(const Control& control) {
    switch (control.picture) {
    case controls::Picture::Clipboard: return Picture::Clipboard;
    case controls::Picture::Spreadsheet: return Picture::Spreadsheet;
    case controls::Picture::Still: return Picture::Still;
    case controls::Picture::None: break;
    }
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

// The list box reads the thumb's position from the message's 16 bits, which
// past 65,535 rows jumps back; the scroll bar's own position has 32.
LRESULT CALLBACK thumbIn32Bits(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (message == WM_VSCROLL && (LOWORD(w) == SB_THUMBTRACK || LOWORD(w) == SB_THUMBPOSITION)) {
        SCROLLINFO scroll{};
        scroll.cbSize = sizeof scroll;
        scroll.fMask = SIF_TRACKPOS;
        GetScrollInfo(window, SB_VERT, &scroll);
        SendMessageW(window, LB_SETTOPINDEX, static_cast<WPARAM>(scroll.nTrackPos), 0);
        return 0;
    }
    return DefSubclassProc(window, message, w, l);
}

HFONT uiFontFor(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

HFONT faceFontFor(const controls::Face& face, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(face.points, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = face.shiftJis ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    const std::size_t length = std::min(face.family.size(), std::size(font.lfFaceName) - 1);
    std::copy_n(face.family.data(), length, font.lfFaceName);
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

Form1::Form1(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall, const TitleReader& titles,
             BackgroundSteps& steps)
    : report_(report), spreadsheet_(spreadsheet), longCall_(longCall), titles_(titles), steps_(steps) {}

Form1::~Form1() {
    if (window_)
        DestroyWindow(window_);
    DeleteObject(uiFont_);
    DeleteObject(faceFont_);
}

HWND Form1::create() {
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
    const std::u16string title(texts::kWindowTitle);
    CreateWindowExW(0, kClassName, Wide(title), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, this);
    if (!window_)
        return nullptr;
    dpi_ = GetDpiForWindow(window_);
    createControls();
    placeControls();
    centre();
    // Folders and files dragged from Explorer, onto any control.
    DragAcceptFiles(window_, TRUE);
    return window_;
}

void Form1::createControls() {
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
            controls_[i] = CreateWindowExW(style.extended, style.windowClass, Wide(caption),
                                           WS_CHILD | WS_VISIBLE | style.style | (TakesFocus(c) ? WS_TABSTOP : 0), 0,
                                           0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(c))),
                                           instance, nullptr);
        }
    }
    for (std::size_t i = 0; i < controls::kControls.size(); ++i)
        SetAccessibleName(controls_[i], controls::kControls[i].accessibleName);
    HWND text1 = control("Text1");
    SendMessageW(text1, EM_SETLIMITTEXT, 0, 0);  // no limit of its own
    SetWindowSubclass(text1, tabMovesOn, 0, 0);
    SetWindowSubclass(control("File1"), thumbIn32Bits, 0, 0);
    SetWindowSubclass(control("Dir1"), thumbIn32Bits, 0, 0);

    text1_ = std::make_unique<EditField>(text1);
    text2_ = std::make_unique<EditField>(control("Text2"));
    drive1_ = std::make_unique<DriveComboBox>(control("Drive1"));
    dir1_ = std::make_unique<FolderListBox>(control("Dir1"));
    file1_ = std::make_unique<FileListBox>(control("File1"), window_, kShowSelection);
    clipboard_ = std::make_unique<SystemClipboard>(window_);
    core_ = std::make_unique<Form1Core>(
        Form1Controls{*text1_, *text2_, *file1_, *dir1_, *drive1_, *clipboard_, order_}, report_, spreadsheet_,
        longCall_, titles_, steps_);
    file1_->show(core_->files());
    text1_->extendMenu([this] {
        std::vector<EditField::MenuEntry> entries;
        for (const menus::Entry& entry : menus::kText1)
            entries.push_back({std::u16string(entry.caption), core_->offers(entry.action),
                               [this, action = entry.action] { core_->run(action); }});
        return entries;
    });
    focus_ = control(controls::TabOrder().front()->name);
}

void Form1::placeControls() {
    DeleteObject(uiFont_);
    DeleteObject(faceFont_);
    uiFont_ = uiFontFor(dpi_);
    faceFont_ = faceFontFor(*controls::Named("Text2").face, dpi_);
    const auto pixels = [this](int twips) { return controls::ToPixels(twips, dpi_); };
    for (std::size_t i = 0; i < controls::kControls.size(); ++i) {
        const Control& c = controls::kControls[i];
        // A drop-down list's height is that of the list it drops down.
        const int height = pixels(c.place.height) * (c.kind == Kind::DriveList ? 12 : 1);
        SetWindowPos(controls_[i], nullptr, pixels(c.place.left), pixels(c.place.top), pixels(c.place.width), height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(c.face ? faceFont_ : uiFont_), TRUE);
    }
    // The closed drop-down list is as high as its place: its selection
    // field takes what the frame leaves (asked again, as list boxes of
    // different makers count the field's edge differently).
    HWND drive = control("Drive1");
    const int target = pixels(controls::Named("Drive1").place.height);
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

void Form1::centre() {
    RECT frame{0, 0, controls::ToPixels(controls::kClientArea.width, dpi_),
               controls::ToPixels(controls::kClientArea.height, dpi_)};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    // On a work area smaller than the window its title and left edge stay on
    // the screen.
    SetWindowPos(window_, nullptr, std::max(work.left, work.left + (work.right - work.left - width) / 2),
                 std::max(work.top, work.top + (work.bottom - work.top - height) / 2), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Form1::control(std::string_view name) const {
    for (std::size_t i = 0; i < controls::kControls.size(); ++i)
        if (controls::kControls[i].name == name)
            return controls_[i];
    return nullptr;
}

void Form1::openChosenFolder() {
    core_->handle([this] {
        if (const std::optional<std::size_t> row = dir1_->chosenRow())
            core_->folders().openRow(*row);
    });
}

void Form1::drop(HDROP dropped) {
    std::vector<std::filesystem::path> paths;
    const UINT count = DragQueryFileW(dropped, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(dropped, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(dropped, i, path.data(), static_cast<UINT>(path.size())));
        paths.emplace_back(path);
    }
    DragFinish(dropped);
    core_->drop(paths);
}

void Form1::command(int id, int code) {
    const Control* source = nullptr;
    for (const Control& c : controls::kControls)
        if (idOf(c) == id)
            source = &c;
    if (!source) {
        // Enter, which no button takes as the default, clicks the button
        // with the focus (the owner-drawn ones too) or opens the folder
        // chosen in Dir1; in a text field it does nothing.
        if (id != IDOK)
            return;
        const HWND focus = GetFocus();
        for (const Control& c : controls::kControls)
            if (control(c.name) == focus && c.action)
                core_->run(*c.action);
        if (focus == control("Dir1"))
            openChosenFolder();
        return;
    }
    const std::string_view name = source->name;
    if (name == "Drive1" && code == CBN_SELCHANGE)
        core_->handle([this] { drive1_->picked(); });
    else if (name == "Drive1" && code == CBN_DROPDOWN)
        core_->drivesChanged();
    else if (name == "Dir1" && code == LBN_DBLCLK)
        openChosenFolder();
    else if (name == "File1" && code == LBN_SELCHANGE)
        file1_->takeSelectionFromView();
    else if (code == EN_CHANGE)
        (name == "Text1" ? text1_ : text2_)->controlChanged();
    else if (code == BN_CLICKED && source->action)
        core_->run(*source->action);
}

void Form1::afterEvent() {
    if (closeWhenDone_ && !core_->busy())
        DestroyWindow(window_);
    else
        RefreshCursor();
}

void Form1::drawItem(const DRAWITEMSTRUCT& item) {
    const double scale = dpi_ / 96.0;
    for (const Control& c : controls::kControls) {
        if (idOf(c) != static_cast<int>(item.CtlID))
            continue;
        if (c.kind == Kind::GraphicalButton)
            DrawGraphicalButton(item, *c.colour, pictureOf(c), scale);
        else if (c.kind == Kind::Picture) {
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
            DrawPicture(item.hDC, Picture::Still, item.rcItem.left, item.rcItem.top, scale);
        } else if (c.kind == Kind::Label) {
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
            const HGDIOBJ old = SelectObject(item.hDC, uiFont_);
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
            RECT text = item.rcItem;
            const std::u16string caption(c.caption);
            DrawTextW(item.hDC, Wide(caption), static_cast<int>(caption.size()), &text,
                      DT_SINGLELINE | DT_NOPREFIX | (c.align == controls::Align::Centre ? DT_CENTER : DT_LEFT));
            SelectObject(item.hDC, old);
        } else if (c.kind == Kind::FolderList)
            dir1_->draw(item, scale);
        else if (c.kind == Kind::FileList)
            file1_->draw(item);
    }
}

void Form1::showFileMenu(LPARAM at) {
    HWND list = control("File1");
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {  // the Menu key or Shift+F10: at the list's top-left corner
        point = {0, 0};
        ClientToScreen(list, &point);
    }
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < menus::kFile1.size(); ++i)
        AppendMenuW(menu, core_->offers(menus::kFile1[i].action) ? MF_ENABLED : MF_GRAYED, i + 1,
                    Wide(std::u16string(menus::kFile1[i].caption)));
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= menus::kFile1.size())
        core_->run(menus::kFile1[chosen - 1].action);
}

LRESULT CALLBACK Form1::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT Form1::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(w), HIWORD(w));
        afterEvent();
        return 0;
    case kShowSelection:
        file1_->applySelectionToView();
        return 0;
    case WM_CONTEXTMENU:
        // The list box leaves its selection as it is on a right click.
        if (reinterpret_cast<HWND>(w) == control("File1")) {
            showFileMenu(l);
            return 0;
        }
        return DefWindowProcW(window_, message, w, l);
    case WM_DROPFILES:
        drop(reinterpret_cast<HDROP>(w));
        afterEvent();
        return 0;
    case WM_SETCURSOR:
        if (!core_ || !core_->busy())
            return DefWindowProcW(window_, message, w, l);
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));  // IDC_WAIT
        return TRUE;
    case WM_CLOSE:
        // During an export the tool ends once the export is done.
        if (core_ && core_->busy())
            closeWhenDone_ = true;
        else
            DestroyWindow(window_);
        return 0;
    case WM_DEVICECHANGE:
        // A medium in or out, a stick plugged in or pulled.
        if (w == DBT_DEVICEARRIVAL || w == DBT_DEVICEREMOVECOMPLETE)
            core_->drivesChanged();
        return TRUE;
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

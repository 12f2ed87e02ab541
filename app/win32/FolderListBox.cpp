#include "app/win32/FolderListBox.h"

#include "app/win32/Pictures.h"
#include "app/win32/WideText.h"
#include "navigation/NameText.h"

#include <commctrl.h>

namespace tavrosk::win32 {

namespace {

TTTOOLINFOW toolOf(HWND list, wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(list);
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = text;
    return tool;
}

} // namespace

FolderListBox::FolderListBox(HWND list) : list_(list) {
    SetWindowSubclass(list_, followMouse, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK FolderListBox::followMouse(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
    if (message == WM_MOUSEMOVE) {
        const auto found = static_cast<DWORD>(SendMessageW(list, LB_ITEMFROMPOINT, 0, l));
        reinterpret_cast<FolderListBox*>(self)->tipFor(HIWORD(found) ? SIZE_MAX : LOWORD(found));
    }
    return DefSubclassProc(list, message, w, l);
}

void FolderListBox::tipFor(std::size_t row) {
    if (row == tipRow_)
        return;
    // Made on the first move over the list, once the window has taken its
    // place on top: made before, an owned tooltip keeps it from the top.
    if (!tip_) {
        const INITCOMMONCONTROLSEX tooltips{sizeof tooltips, ICC_TAB_CLASSES};
        InitCommonControlsEx(&tooltips);
        tip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list_), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        TTTOOLINFOW tool = toolOf(list_, const_cast<wchar_t*>(L""));
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        // A long path wraps rather than run off the screen.
        SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
    }
    tipRow_ = row;
    // No text, no tip: past the last row there is none.
    tipText_ = row < rows_.size() ? PathText(rows_[row].path) : u"";
    TTTOOLINFOW tool = toolOf(list_, reinterpret_cast<wchar_t*>(tipText_.data()));
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FolderListBox::showRows(const std::vector<FolderRow>& rows, std::size_t current) {
    rows_ = rows;
    tipRow_ = SIZE_MAX;
    SendMessageW(list_, LB_SETCOUNT, rows_.size(), 0);
    SendMessageW(list_, LB_SETCURSEL, current, 0);
}

std::optional<std::size_t> FolderListBox::chosenRow() const {
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (index < 0)
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

void FolderListBox::draw(const DRAWITEMSTRUCT& item, double scale) const {
    if (item.itemID >= rows_.size())
        return;
    const FolderRow& row = rows_[item.itemID];
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int indent = static_cast<int>(row.indent * 8 * scale);
    const int icon = static_cast<int>(16 * scale);
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - icon) / 2;
    DrawPicture(item.hDC, row.open ? Picture::OpenFolder : Picture::ClosedFolder, item.rcItem.left + 2 + indent, top,
                scale);
    RECT text = item.rcItem;
    text.left += 2 + indent + icon + static_cast<int>(4 * scale);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, Wide(row.text), static_cast<int>(row.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

} // namespace tavrosk::win32

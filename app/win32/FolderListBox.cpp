#include "app/win32/FolderListBox.h"

#include "app/win32/Pictures.h"
#include "app/win32/WideText.h"

namespace tavrosk::win32 {

void FolderListBox::showRows(const std::vector<FolderRow>& rows, std::size_t current) {
    rows_ = rows;
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
    const int indent = static_cast<int>(row.depth * 8 * scale);
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

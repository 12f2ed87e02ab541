#include "app/win32/FileListBox.h"

#include "app/win32/WideText.h"

namespace tavrosk::win32 {

void FileListBox::showNames(std::size_t count) {
    updatePending_ = false;
    SendMessageW(listBox_, LB_RESETCONTENT, 0, 0);
    SendMessageW(listBox_, LB_SETCOUNT, count, 0);
}

void FileListBox::selectionChanged() {
    if (!updatePending_) {
        updatePending_ = true;
        PostMessageW(window_, message_, 0, 0);
    }
}

void FileListBox::scrollTo(std::size_t position) {
    SendMessageW(listBox_, LB_SETTOPINDEX, position, 0);
}

void FileListBox::applySelectionToView() {
    if (!updatePending_ || !list_)
        return;
    updatePending_ = false;
    SendMessageW(listBox_, LB_SETSEL, FALSE, -1);
    for (const auto& [first, last] : list_->selectedRuns())
        SendMessageW(listBox_, LB_SELITEMRANGEEX, first, static_cast<LPARAM>(last));
}

void FileListBox::takeSelectionFromView() {
    if (!list_ || list_->count() == 0)
        return;
    list_->userSelected(0, list_->count() - 1, false);
    const LRESULT count = SendMessageW(listBox_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return;
    std::vector<int> rows(static_cast<std::size_t>(count));
    const LRESULT got = SendMessageW(listBox_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    for (LRESULT i = 0; i < got; ++i)
        list_->userSelected(static_cast<std::size_t>(rows[i]), static_cast<std::size_t>(rows[i]), true);
}

void FileListBox::draw(const DRAWITEMSTRUCT& item) const {
    if (!list_ || item.itemID >= list_->count())
        return;
    const std::u16string name = list_->name(item.itemID);
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT text = item.rcItem;
    text.left += 2;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, Wide(name), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

} // namespace tavrosk::win32

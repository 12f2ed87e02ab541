#include "app/win32/FileListBox.h"

#include "app/win32/NaturalOrder.h"
#include "app/win32/SharedFolderRead.h"
#include "app/win32/WideText.h"
#include "model/OperationFailed.h"
#include "navigation/NameText.h"

#include <algorithm>

namespace tavrosk::win32 {

void FileListBox::checkPosition(std::size_t position) const {
    if (position >= names_.size())
        throw OperationFailed(u"ファイル一覧にその位置の項目がありません。",
                              "file list position " + std::to_string(position) + " out of " +
                                  std::to_string(names_.size()));
}

std::u16string FileListBox::name(std::size_t position) const {
    checkPosition(position);
    return std::u16string(u16(names_[position]));
}

bool FileListBox::isSelected(std::size_t position) const {
    checkPosition(position);
    return selected_[position] != 0;
}

void FileListBox::setSelected(std::size_t position, bool selected) {
    checkPosition(position);
    if ((selected_[position] != 0) != selected) {
        selected_[position] = selected;
        viewBehind_ = true;
    }
}

void FileListBox::applySelectionToView() {
    if (!viewBehind_)
        return;
    viewBehind_ = false;
    SendMessageW(list_, LB_SETSEL, FALSE, -1);
    for (std::size_t row = 0; row < selected_.size();) {
        if (!selected_[row]) {
            ++row;
            continue;
        }
        const std::size_t first = row;
        while (row < selected_.size() && selected_[row])
            ++row;
        SendMessageW(list_, LB_SELITEMRANGEEX, first, static_cast<LPARAM>(row - 1));
    }
}

void FileListBox::takeSelectionFromView() {
    std::fill(selected_.begin(), selected_.end(), 0);
    const LRESULT count = SendMessageW(list_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return;
    std::vector<int> rows(static_cast<std::size_t>(count));
    const LRESULT got = SendMessageW(list_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    for (LRESULT i = 0; i < got; ++i)
        if (static_cast<std::size_t>(rows[i]) < selected_.size())
            selected_[rows[i]] = 1;
}

void FileListBox::setPath(const std::filesystem::path& folder) {
    const FolderContents contents = reading_.read(folder);
    std::vector<std::wstring> names;
    names.reserve(contents.files.size());
    for (const std::filesystem::path& file : contents.files) {
        const std::u16string shown = DisplayName(PathText(file));
        names.emplace_back(shown.begin(), shown.end());
    }
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return naturalLess(a.c_str(), b.c_str()); });

    // A new folder starts with nothing selected.
    names_ = std::move(names);
    selected_.assign(names_.size(), 0);
    viewBehind_ = false;
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_SETCOUNT, names_.size(), 0);
}

void FileListBox::draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID >= names_.size())
        return;
    const std::wstring& name = names_[item.itemID];
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT text = item.rcItem;
    text.left += 2;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, name.c_str(), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

} // namespace tavrosk::win32

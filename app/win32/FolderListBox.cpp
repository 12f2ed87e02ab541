#include "app/win32/FolderListBox.h"

#include "app/win32/NaturalOrder.h"
#include "app/win32/Pictures.h"
#include "app/win32/SharedFolderRead.h"
#include "commands/RunCommand.h"
#include "navigation/FolderChain.h"
#include "navigation/NameText.h"

#include <algorithm>

namespace tavrosk::win32 {

void FolderListBox::setPath(const std::filesystem::path& path) {
    show(path);
    changed().raise();
}

void FolderListBox::openChosen() {
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
        return;
    const std::filesystem::path chosen = entries_[static_cast<std::size_t>(index)].path;
    RunCommand(report_, [&] { setPath(chosen); });
}

void FolderListBox::show(const std::filesystem::path& requested) {
    const std::filesystem::path folder = NormalisedFolder(requested);
    // Read first: a folder that cannot be read leaves the list as it was.
    FolderContents contents = reading_.read(folder);

    const std::vector<std::filesystem::path> chain = FolderChain(folder);
    std::vector<Entry> entries;
    entries.reserve(chain.size() + contents.subfolders.size());
    for (const std::filesystem::path& ancestor : chain) {
        const std::filesystem::path name = ancestor.filename();
        entries.push_back({ancestor, (name.empty() ? ancestor : name).native(), static_cast<int>(entries.size()), true});
    }
    const int depth = static_cast<int>(chain.size());
    std::vector<std::wstring> names;
    for (const std::filesystem::path& sub : contents.subfolders)
        names.push_back(sub.native());
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return naturalLess(a.c_str(), b.c_str()); });
    for (std::wstring& name : names)
        entries.push_back({folder / name, std::move(name), depth, false});

    entries_ = std::move(entries);
    current_ = folder;
    SendMessageW(list_, LB_SETCOUNT, entries_.size(), 0);
    SendMessageW(list_, LB_SETCURSEL, chain.size() - 1, 0);
    reading_.keep(folder, std::move(contents));
}

void FolderListBox::draw(const DRAWITEMSTRUCT& item, double scale) const {
    if (item.itemID >= entries_.size())
        return;
    const Entry& entry = entries_[item.itemID];
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int indent = static_cast<int>(entry.depth * 8 * scale);
    const int icon = static_cast<int>(16 * scale);
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - icon) / 2;
    drawPicture(item.hDC, entry.open ? Picture::OpenFolder : Picture::ClosedFolder,
                item.rcItem.left + 2 + indent, top, scale);
    RECT text = item.rcItem;
    text.left += 2 + indent + icon + static_cast<int>(4 * scale);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, entry.text.c_str(), static_cast<int>(entry.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

} // namespace tavrosk::win32

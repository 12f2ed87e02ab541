#include "app/win32/DriveComboBox.h"

#include <cwctype>
#include <string>

namespace tavrosk::win32 {

namespace {

// "c:", and the volume label in brackets where the drive has one. A drive
// with no medium simply shows no label.
std::wstring driveText(const std::wstring& root) {
    std::wstring text = {static_cast<wchar_t>(std::towlower(root[0])), L':'};
    wchar_t label[MAX_PATH + 1] = L"";
    if (GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) &&
        label[0] != L'\0')
        text += std::wstring(L" [") + label + L"]";
    return text;
}

} // namespace

std::filesystem::path DriveComboBox::drive() const {
    return current_ >= 0 && static_cast<std::size_t>(current_) < roots_.size() ? roots_[current_]
                                                                               : std::filesystem::path();
}

void DriveComboBox::showDriveOf(const std::filesystem::path& folder) {
    SendMessageW(box_, CB_RESETCONTENT, 0, 0);
    roots_.clear();
    current_ = CB_ERR;
    wchar_t buffer[27 * 4 + 1];  // "A:\<NUL>" for each letter, and a final NUL
    if (GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer)), buffer) >= std::size(buffer))
        return;
    const std::wstring home = folder.root_name().native();
    for (const wchar_t* root = buffer; *root; root += wcslen(root) + 1) {
        const std::wstring text = driveText(root);
        SendMessageW(box_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (CompareStringOrdinal(root, 2, home.c_str(), static_cast<int>(home.size()), TRUE) == CSTR_EQUAL)
            current_ = static_cast<LRESULT>(roots_.size());
        roots_.emplace_back(root);
    }
    SendMessageW(box_, CB_SETCURSEL, static_cast<WPARAM>(current_), 0);
}

void DriveComboBox::picked() {
    const LRESULT index = SendMessageW(box_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || index == current_)
        return;
    current_ = index;
    changed().raise();
}

} // namespace tavrosk::win32

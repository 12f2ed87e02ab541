// The window's Windows pieces: makeTopmost on a real window, and the
// program's resources read back from this test program, which links them.
#include "Check.h"

#include "app/win32/MakeTopmost.h"

#include <vector>

namespace {

std::string placeOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

void topmostKeepsPlace() {
    HWND window = CreateWindowExW(0, L"STATIC", L"topmost", WS_OVERLAPPEDWINDOW, 120, 80, 320, 200, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!CHECK(window != nullptr))
        return;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    CHECK((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
    CHECK_EQ(placeOf(window), std::string("120,80 320x200"));

    tavrosk::makeTopmost(window);

    CHECK((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    CHECK_EQ(placeOf(window), std::string("120,80 320x200"));
    CHECK(IsWindowVisible(window));
    DestroyWindow(window);
}

// A VerQueryValueW value; for a text, its length counts characters.
const void* versionValue(std::vector<char>& info, const std::wstring& path, UINT& length) {
    void* value = nullptr;
    return VerQueryValueW(info.data(), path.c_str(), &value, &length) ? value : nullptr;
}

std::string versionNumber(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." + std::to_string(HIWORD(low)) +
           "." + std::to_string(LOWORD(low));
}

void versionInfo() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::vector<char> info(GetFileVersionInfoSizeW(self, nullptr));
    if (!CHECK(!info.empty() && GetFileVersionInfoW(self, 0, static_cast<DWORD>(info.size()), info.data())))
        return;
    UINT length = 0;
    const auto* translation = static_cast<const WORD*>(versionValue(info, L"\\VarFileInfo\\Translation", length));
    CHECK(translation && length == 4 && translation[0] == 0x0411 && translation[1] == 1200);  // Japanese, Unicode
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(versionValue(info, L"\\", length));
    if (CHECK(fixed && length == sizeof *fixed))
        CHECK_EQ(versionNumber(fixed->dwFileVersionMS, fixed->dwFileVersionLS) + " " +
                     versionNumber(fixed->dwProductVersionMS, fixed->dwProductVersionLS),
                 std::string("1.0.0.0 1.0.0.0"));
    const auto text = [&](const wchar_t* name) {
        const auto* value = static_cast<const char16_t*>(
            versionValue(info, std::wstring(L"\\StringFileInfo\\041104B0\\") + name, length));
        const std::u16string found = value ? std::u16string(value, length) : u"(missing)";
        return found.substr(0, found.find(u'\0'));
    };
    CHECK_EQ(text(L"FileVersion"), std::u16string(u"1.00"));
    CHECK_EQ(text(L"ProductVersion"), std::u16string(u"1.00"));
    CHECK_EQ(text(L"FileDescription"), std::u16string(u"フォルダの内容一覧を出力します"));
    CHECK_EQ(text(L"Comments"), std::u16string(u"フォルダの内容一覧を出力します"));
    CHECK_EQ(text(L"ProductName"), std::u16string(u"タヴロスク作成支援ツール"));
    CHECK_EQ(text(L"CompanyName"), std::u16string(u"タヴロスク制作室"));
    CHECK_EQ(text(L"OriginalFilename"), std::u16string(u"tavrosk.exe"));
}

// The first icon group, the one Explorer shows for the program: 16, 32, 48
// and 256 pixels square, 32-bit (with alpha), each one loadable.
void icon() {
    HMODULE module = GetModuleHandleW(nullptr);
    const LPCWSTR groupIcon = MAKEINTRESOURCEW(14);  // RT_GROUP_ICON
    WORD first = 0;
    EnumResourceNamesW(module, groupIcon, [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
        *reinterpret_cast<WORD*>(found) = IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) : 0;
        return FALSE;
    }, reinterpret_cast<LONG_PTR>(&first));
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(first), groupIcon);
    if (!CHECK(first != 0 && group != nullptr))
        return;
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    std::string images;  // each GRPICONDIRENTRY; a width and height of 0 mean 256
    for (int i = 0; i < *reinterpret_cast<const WORD*>(directory + 4); ++i) {
        const BYTE* entry = directory + 6 + 14 * i;
        const int size = entry[0] == 0 ? 256 : entry[0];
        HICON loaded = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(first), IMAGE_ICON, size, size, 0));
        ICONINFO bitmaps{};
        BITMAP colour{};
        const bool loads = loaded && GetIconInfo(loaded, &bitmaps) && GetObjectW(bitmaps.hbmColor, sizeof colour, &colour) &&
                           colour.bmWidth == size;
        images += std::to_string(size) + "x" + std::to_string(entry[1] == 0 ? 256 : entry[1]) + " " +
                  std::to_string(*reinterpret_cast<const WORD*>(entry + 6)) + " bit" + (loads ? ";" : " (not loadable);");
        DeleteObject(bitmaps.hbmColor);
        DeleteObject(bitmaps.hbmMask);
        if (loaded)
            DestroyIcon(loaded);
    }
    CHECK_EQ(images, std::string("16x16 32 bit;32x32 32 bit;48x48 32 bit;256x256 32 bit;"));
}

} // namespace

int main() {
    topmostKeepsPlace();
    versionInfo();
    icon();
    return check::finish();
}

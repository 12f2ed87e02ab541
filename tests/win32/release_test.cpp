// The installed and the portable tavrosk.exe, started as a user starts them:
// the Start menu's shortcut read back, the folders' "タヴロスクで開く" run as
// Explorer runs it, the portable program in a folder of its own. Run by
// release_test.sh between the install and the uninstall.
#include "RunningExe.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::wstring environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    SHGetKnownFolderPath(id, 0, nullptr, &path);
    std::wstring copy = path ? path : L"";
    CoTaskMemFree(path);
    return copy;
}

std::wstring shortcutTarget(const std::wstring& shortcut) {
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = L"(not read)";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) && SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)))
        link->GetPath(target, MAX_PATH, nullptr, 0);
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return target;
}

std::wstring registryText(const wchar_t* key) {
    wchar_t text[1024] = L"";
    DWORD size = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, key, nullptr, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

// Runs the installer silently; its exit code.
DWORD installSilently() {
    RunningExe setup;
    DWORD code = 255;
    if (setup.start(environment(L"TAVROSK_SETUP"), knownFolder(FOLDERID_Windows), L"/S", false))
        WaitForSingleObject(setup.process.hProcess, 60000), GetExitCodeProcess(setup.process.hProcess, &code);
    return code;
}

// Whether the window shows the folder, as "パス名を付加" writes it into TextBox 1.
void expectShown(const RunningExe& tool, const fs::path& folder) {
    tool.click(Command6);
    EXPECT_EQ(tool.text(Text1), folder.u16string() + u"\r\n");
}

} // namespace

TEST(Installed, StartMenuShortcutStartsTheInstalledProgram) {
    EXPECT_EQ(shortcutTarget(knownFolder(FOLDERID_Programs) + L"\\タヴロスク作成支援ツール.lnk"),
              environment(L"LOCALAPPDATA") + L"\\Programs\\Tavrosk\\tavrosk.exe");
}

// Explorer replaces %1 with the folder's path and runs the command line;
// the window opens on that folder.
TEST(Installed, FolderVerbOpensTheWindowOnTheFolder) {
    const fs::path folder = environment(L"USERPROFILE") + L"\\曲の フォルダ 一覧";
    fs::create_directories(folder);
    std::wstring command = registryText(L"Software\\Classes\\Directory\\shell\\Tavrosk\\command");
    const size_t exeEnd = command.find(L'"', 1), at = command.find(L"%1");
    ASSERT_TRUE(command.starts_with(L"\"") && exeEnd < at && at != std::wstring::npos) << "quoted program, then %1";
    std::wstring arguments = command.substr(exeEnd + 2);
    arguments.replace(arguments.find(L"%1"), 2, folder.wstring());
    RunningExe tool;
    ASSERT_TRUE(tool.start(command.substr(1, exeEnd - 1), knownFolder(FOLDERID_Windows), arguments));
    expectShown(tool, folder);
    // While it runs, an install over it fails (NSIS: 2, aborted) and leaves
    // it as it was; release_test.sh checks the install after it.
    EXPECT_EQ(installSilently(), 2u);
    tool.close();
    fs::remove(folder);
}

// Started from its folder (unpacked there by release_test.sh), the portable
// program opens on it.
TEST(Portable, StartsInItsFolder) {
    const fs::path folder = environment(L"USERPROFILE") + L"\\持ち運び 版";
    RunningExe tool;
    ASSERT_TRUE(tool.start((folder / L"tavrosk.exe").wstring(), folder.wstring()));
    expectShown(tool, folder);
}

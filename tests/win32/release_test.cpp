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

const std::wstring kInstalled = environment(L"LOCALAPPDATA") + L"\\Programs\\Tavrosk\\tavrosk.exe";

// Whether the window shows the folder, as "パス名を付加" writes it into TextBox 1.
void expectShown(const RunningExe& tool, const fs::path& folder) {
    tool.click(Command6);
    EXPECT_EQ(tool.text(Text1), folder.u16string() + u"\r\n");
}

} // namespace

// The Start menu's shortcut points at the installed program. Explorer replaces
// %1 in the command release_test.sh finds registered for folders ("EXE" --
// "%1") with the folder's path and runs it; the window opens on that folder.
TEST(Installed, ShortcutAndFolderVerbStartTheInstalledProgram) {
    const std::wstring shortcut =
        environment(L"APPDATA") + L"\\Microsoft\\Windows\\Start Menu\\Programs\\タヴロスク作成支援ツール.lnk";
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = L"(not read)";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) && SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)))
        link->GetPath(target, MAX_PATH, nullptr, 0);
    EXPECT_EQ(std::wstring(target), kInstalled);
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();

    const fs::path folder = environment(L"USERPROFILE") + L"\\曲の フォルダ 一覧";
    fs::create_directories(folder);
    RunningExe tool;
    ASSERT_TRUE(tool.start(kInstalled, environment(L"WINDIR"), L"-- \"" + folder.wstring() + L"\""));
    expectShown(tool, folder);
    // While it runs, an install over it fails (NSIS: 2, aborted) and leaves
    // it as it was; release_test.sh checks the install after it.
    RunningExe setup;
    ASSERT_TRUE(setup.start(environment(L"TAVROSK_SETUP"), environment(L"WINDIR"), L"/S", false));
    DWORD code = 255;
    WaitForSingleObject(setup.process.hProcess, 60000);
    GetExitCodeProcess(setup.process.hProcess, &code);
    EXPECT_EQ(code, 2u);
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

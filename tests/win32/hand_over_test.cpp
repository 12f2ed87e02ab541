// The real tavrosk.exe handed a folder: started on a file in a folder whose
// path is longer than 260 characters, given a drop, losing its open folder,
// a path no conversion to UTF-8 takes, and the keyboard's Enter on
// owner-drawn buttons.
#include "RunningExe.h"

#include <gtest/gtest.h>

#include <dbt.h>
#include <shlobj.h>

#include <string>

namespace {

// The path's extended form, which Windows' file calls take at any length.
std::wstring extended(const std::wstring& path) {
    return L"\\\\?\\" + path;
}

LRESULT selected(const RunningExe& tool) {
    return SendMessageW(tool.control(File1), LB_GETSELCOUNT, 0, 0);
}

// Drops the file on the window. The system hands a drop over as memory of
// the receiving program's own, so the list of dropped files is written into
// the tool's memory.
void drop(const RunningExe& tool, const std::wstring& file) {
    const DROPFILES header{sizeof header, {}, FALSE, TRUE};
    const std::wstring files =
        std::wstring(reinterpret_cast<const wchar_t*>(&header), sizeof header / sizeof(wchar_t)) + file + L'\0' + L'\0';
    const std::size_t size = files.size() * sizeof(wchar_t);
    void* memory = VirtualAllocEx(tool.process.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(tool.process.hProcess, memory, files.data(), size, nullptr);
    PostMessageW(tool.window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

} // namespace

TEST(TavroskExe, OpensWhatItIsHandedAtAnyPathLength) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"tavrosk long " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(extended(folder).c_str(), nullptr);
    while (folder.size() <= 300) {
        folder += L"\\" + std::wstring(60, L'長');
        CreateDirectoryW(extended(folder).c_str(), nullptr);
    }
    for (const wchar_t* name : {L"1.mp3", L"2.mp3", L"3.mp3"})
        CloseHandle(CreateFileW(extended(folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                nullptr));

    // Started on a file: its folder, with it selected. Enter clicks the
    // owner-drawn button that Tab reaches from "パス名を付加".
    RunningExe tool;
    ASSERT_TRUE(tool.start(TAVROSK_EXE, temp, L"\"" + folder + L"\\2.mp3\""));
    EXPECT_TRUE(waitFor([&] { return selected(tool) == 1; }));
    ASSERT_TRUE(tool.press(VK_TAB, [&] { return tool.focus() == tool.control(Command1); }));
    EXPECT_TRUE(tool.press(VK_RETURN, [&] { return selected(tool) == 3; }));
    tool.click(Command2);
    tool.click(Command6);
    EXPECT_EQ(tool.text(Text1),
              u"1.mp3\r\n2.mp3\r\n3.mp3\r\n" + std::u16string(folder.begin(), folder.end()) + u"\r\n");

    // A file dropped: its folder, with it selected.
    drop(tool, folder + L"\\3.mp3");
    EXPECT_TRUE(waitFor([&] { return selected(tool) == 1; }));

    // The open folder goes away (its medium taken out; moved to a name no
    // earlier run has left, as Wine gives out process IDs again): on the
    // system's word that the devices changed, its nearest ancestor opens.
    MoveFileW(extended(folder).c_str(), extended(folder + L" " + std::to_wstring(GetTickCount())).c_str());
    SendMessageW(tool.window, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0);
    tool.click(Command6);
    const std::wstring parent = folder.substr(0, folder.rfind(L'\\'));
    EXPECT_TRUE(tool.text(Text1).ends_with(u"\r\n" + std::u16string(parent.begin(), parent.end()) + u"\r\n"));
    tool.close();

    // A path that cannot be opened is said over the window, shown first,
    // whatever its name holds (a surrogate without its pair too; the unit
    // tests read the rest of the message). The Windows way to ask for help,
    // /?, as --help (read by the unit tests), answers in a box.
    ASSERT_TRUE(tool.start(TAVROSK_EXE, temp, L"\"" + std::wstring(temp) + L"gone 曲\xD83C\xDFB5\xD800\""));
    EXPECT_NE(tool.answerBox().find(u"gone 曲\U0001F3B5\xD800」"), std::u16string::npos);
    tool.close();
    ASSERT_TRUE(tool.start(TAVROSK_EXE, temp, L"/?", false));
    EXPECT_TRUE(tool.answerBox().starts_with(u"使い方: tavrosk"));
    // The folder stays behind in Wine's temporary folder of the build's own
    // prefix: the runtime removes no path that long.
}

// Undo in the real tavrosk.exe: each command's write is a step of the
// field's own history, the user's typing too, and the text comes back
// exactly.
#include "RunningExe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void type(const RunningExe& tool, Tab field, std::u16string_view keys) {
    for (char16_t key : keys)
        SendMessageW(tool.control(field), WM_CHAR, key, 0);
}

constexpr char16_t kCtrlZ = 0x1A, kCtrlY = 0x19;

} // namespace

TEST(TavroskExe, StartedOnAFolderUndoesEachCommandAndTheUsersTyping) {
    const fs::path folder = fs::temp_directory_path() / ("tavrosk undo " + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    for (const char* name : {"a.mp3", "b.wav"})
        std::ofstream(folder / name).put('x');
    RunningExe tool;
    ASSERT_TRUE(tool.start(TAVROSK_EXE, fs::temp_directory_path().wstring(), L"\"" + folder.wstring() + L"\""));

    const std::u16string names = u"a.mp3\r\nb.wav\r\n", titles = u"a\r\nb\r\n";
    tool.click(Command1);
    tool.click(Command2);
    type(tool, Text2, u"ogg");
    tool.click(Command5);
    tool.click(Command3);
    std::u16string seen;
    for (int step = 0; step < 3; ++step) {
        type(tool, Text1, {&kCtrlZ, 1});
        seen += tool.text(Text1) + u"|";
    }
    EXPECT_EQ(seen, titles + u"|" + names + u"||");
    type(tool, Text2, {&kCtrlZ, 1});
    EXPECT_EQ(tool.text(Text2), u"ogg");

    // Lone CR and LF and a no-break space come back as they were; typing is
    // a step of its own, and comes back with Ctrl+Y.
    const std::u16string odd = u"x.mp3\ry.wav\n z\u00A0.mid";
    SendMessageW(tool.control(Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(odd.c_str()));
    tool.click(Command5);
    EXPECT_EQ(tool.text(Text1), u"x\ry\n z\u00A0");
    SendMessageW(tool.control(Text1), WM_UNDO, 0, 0);
    EXPECT_EQ(tool.text(Text1), odd);
    type(tool, Text1, u"ab");
    type(tool, Text1, {&kCtrlZ, 1});
    EXPECT_EQ(tool.text(Text1), odd);
    type(tool, Text1, {&kCtrlY, 1});
    EXPECT_EQ(tool.text(Text1).size(), odd.size() + 2);
    EXPECT_TRUE(SendMessageW(tool.control(Text1), EM_CANUNDO, 0, 0));
    tool.close();
    fs::remove_all(folder);
}

// The real tavrosk.exe, end to end, driven from this process: its window and
// controls where the layout puts them, the list flow, the export through COM
// to a recording "Excel.Application" in its own process, the failures the
// user sees.
#include "RunningExe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Types the characters into the field, as the keyboard does (Ctrl+Z types
// 0x1A, Ctrl+Y 0x19).
void type(const RunningExe& tool, Tab field, std::u16string_view keys) {
    for (char16_t key : keys)
        SendMessageW(tool.control(field), WM_CHAR, key, 0);
}

// At 96 dpi, 15 twips make a pixel.
std::string rect(int left, int top, int width, int height) {
    return std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" + std::to_string(height);
}

void layout(const RunningExe& exe) {
    RECT client{};
    GetClientRect(exe.window, &client);
    EXPECT_EQ(rect(0, 0, client.right, client.bottom), rect(0, 0, 897, 469));
    EXPECT_TRUE(GetWindowLongPtrW(exe.window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const HDC dc = GetDC(exe.window);
    for (const ControlPlace& c : kControls) {
        RECT r{};
        GetWindowRect(exe.control(c.tab), &r);
        MapWindowPoints(nullptr, exe.window, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(rect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                  rect(c.left / 15, c.top / 15, c.width / 15, c.height / 15)) << c.name;
        if (c.caption) {
            EXPECT_EQ(exe.text(c.tab), c.caption) << c.name;
        }
        // A graphical button's face, inside its edge and left of its caption.
        if (c.colour) {
            EXPECT_EQ(GetPixel(dc, r.left + 3, (r.top + r.bottom) / 2),
                      RGB(c.colour >> 16, c.colour >> 8 & 0xFF, c.colour & 0xFF)) << c.name;
        }
    }
    ReleaseDC(exe.window, dc);
    // Tab from Command6 visits the controls in their order, Text1 included,
    // and comes back round.
    std::string visited;
    for (int i = 0; i < 13; ++i) {
        const HWND before = exe.focus();
        visited += std::to_string(GetDlgCtrlID(before) - 1000) + " ";
        PostMessageW(before, WM_KEYDOWN, VK_TAB, 0);
        waitFor([&] { return exe.focus() != before; });
    }
    EXPECT_EQ(visited, "3 4 5 6 7 8 9 10 11 12 14 17 3 ");
}

// The calls of an export, as the recording server writes them, each with
// the message of the step it belongs to.
const std::string kSheet = "App.Workbooks.Add.Worksheets.Add", kPut = " named -3";  // DISPID_PROPERTYPUT
const std::pair<std::string, std::u16string> kExport[] = {
    {"App Visible put BOOL -1" + kPut, u"Excel のウィンドウを表示できません。"},
    {"App Workbooks get", u"Excel でブックを追加できません。"},
    {"App.Workbooks Add method", u"Excel でブックを追加できません。"},
    {"App.Workbooks.Add Worksheets get", u"Excel でシートを追加できません。"},
    {"App.Workbooks.Add.Worksheets Add method", u"Excel でシートを追加できません。"},
    {kSheet + " Name put \"タヴロスク\"" + kPut, u"Excel でシートの名前を「タヴロスク」にできません。"},
    {kSheet + " Columns get \"A:A\"", u"Excel で A 列を文字列の書式にできません。"},
    {kSheet + ".Columns NumberFormat put \"@\"" + kPut, u"Excel で A 列を文字列の書式にできません。"},
    {kSheet + " Paste method", u"Excel のシートにクリップボードの内容を貼り付けられません。"},
    {kSheet + " Columns get \"A:A\"", u"Excel で A 列の幅を合わせられません。"},
    {kSheet + ".Columns EntireColumn get", u"Excel で A 列の幅を合わせられません。"},
    {kSheet + ".Columns.EntireColumn AutoFit method", u"Excel で A 列の幅を合わせられません。"},
};

// The export's calls up to count, and the end of the server, as it writes them.
std::string calls(size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += kExport[i].first + "\n";
    return text + "all released\n";
}

// What the server wrote for one export, made after the server was told
// which call to fail (none: -1).
std::string exportLog(const fs::path& log, int failAt, const std::function<void()>& click) {
    const size_t before = readAll(log).size();
    std::ofstream(log.string() + ".fault") << failAt;
    click();
    waitFor([&] { const std::string text = readAll(log); return text.size() > before && text.ends_with("released\n"); });
    return readAll(log).substr(before);
}

void exportThroughCom(const RunningExe& tool, const fs::path& folder, const std::u16string& names) {
    // The export, to the recording server registered as Excel (logging to
    // calls.txt); then with each call failing in turn: its step's message,
    // nothing called after it, every object released, the list on the
    // clipboard.
    const fs::path log = folder / "calls.txt";
    const std::wstring server = std::wstring(L"\"" TAVROSK_SERVER L"\" \"") + log.wstring() + L"\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"Excel.Application\\CLSID", nullptr, REG_SZ, TAVROSK_RECORDER_CLASS,
                    sizeof TAVROSK_RECORDER_CLASS);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"CLSID\\" TAVROSK_RECORDER_CLASS L"\\LocalServer32", nullptr, REG_SZ,
                    server.c_str(), static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(exportLog(log, -1, [&] { tool.click(Command7); }), calls(std::size(kExport)));
    EXPECT_EQ(tool.text(Text1) + u"|" + clipboardText(), u"|" + names);
    for (size_t at = 0; at < std::size(kExport); ++at) {
        tool.click(Command2);
        std::u16string message;
        EXPECT_EQ(exportLog(log, static_cast<int>(at), [&] { message = tool.clickForMessage(Command7); }), calls(at + 1));
        EXPECT_EQ(message, kExport[at].second);
        EXPECT_EQ(tool.text(Text1) + u"|" + clipboardText(), u"|" + names);
    }

    // With no Excel registered: the message, and the list on the clipboard.
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Excel.Application");
    tool.click(Command2);
    EXPECT_EQ(tool.clickForMessage(Command7), u"Excel を起動できません。");
    EXPECT_EQ(tool.text(Text1) + u"|" + clipboardText(), u"|" + names);
}

} // namespace

TEST(TavroskExe, ShowsItsWindowBuildsTheListAndHandsItOn) {
    const fs::path folder = fs::temp_directory_path() / ("tavrosk exe test " + std::to_string(GetCurrentProcessId()));
    // Wine gives out process IDs again: a folder left by an earlier run goes first.
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder / "sub");
    for (const char* name : {"2 a.wav", "10 b.MP3", "1 c.ogg", "x.mid", "hidden.wav", "system.wav", ".dot.wav"})
        std::ofstream(folder / name).put('x');
    SetFileAttributesW((folder / "hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((folder / "system.wav").c_str(), FILE_ATTRIBUTE_SYSTEM);
    RunningExe tool;
    ASSERT_TRUE(tool.start(TAVROSK_EXE, fs::temp_directory_path().wstring(), L"\"" + folder.wstring() + L"\""));
    layout(tool);

    // A folder that went away is said, and the open folder is chosen again.
    fs::remove(folder / "sub");
    const HWND dir1 = tool.control(Dir1);
    const LRESULT open = SendMessageW(dir1, LB_GETCURSEL, 0, 0);
    SendMessageW(dir1, LB_SETCURSEL, static_cast<WPARAM>(open + 1), 0);
    PostMessageW(tool.window, WM_COMMAND, MAKEWPARAM(1000 + Dir1, LBN_DBLCLK), reinterpret_cast<LPARAM>(dir1));
    EXPECT_NE(tool.answerBox().find(u"見つかりません"), std::u16string::npos);
    EXPECT_EQ(SendMessageW(dir1, LB_GETCURSEL, 0, 0), open);
    // A drive whose medium has gone (y:, which run-under-wine.sh makes a
    // folder of the Wine prefix, taken away here) is said as the drive's,
    // and the list shows the open drive again.
    const HWND drive1 = tool.control(Drive1);
    const LRESULT home = SendMessageW(drive1, CB_GETCURSEL, 0, 0);
    const LRESULT y = SendMessageW(drive1, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"y:"));
    ASSERT_NE(y, CB_ERR);
    const fs::path medium = L"Z:" + (fs::path(_wgetenv(L"WINEPREFIX")) / "medium").wstring();
    fs::remove(medium);
    SendMessageW(drive1, CB_SETCURSEL, static_cast<WPARAM>(y), 0);
    PostMessageW(tool.window, WM_COMMAND, MAKEWPARAM(1000 + Drive1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drive1));
    EXPECT_TRUE(tool.answerBox().starts_with(u"ドライブ「"));
    EXPECT_EQ(SendMessageW(drive1, CB_GETCURSEL, 0, 0), home);
    fs::create_directory(medium);

    // The list flow: hidden and system files left out, natural order.
    const std::u16string names = u"1 c.ogg\r\n2 a.wav\r\n10 b.MP3\r\nx.mid\r\n", titles = u"1 c\r\n2 a\r\n10 b\r\nx\r\n";
    tool.click(Command1);
    tool.click(Command2);
    EXPECT_EQ(tool.text(Text1), names);
    type(tool, Text2, u"ogg");
    tool.click(Command5);
    EXPECT_EQ(tool.text(Text1), titles);
    tool.click(Command4);
    EXPECT_EQ(tool.text(Text1) + tool.text(Text2) + u"|" + clipboardText(), u"|" + titles);

    // Each command's write is a step of the field's own undo, and Ctrl+Z
    // takes the steps back one by one; Ctrl+Y makes one again.
    std::u16string steps;
    for (const char16_t* key : {u"\x1A", u"\x1A", u"\x1A", u"\x19"}) {
        type(tool, Text1, key);
        steps += tool.text(Text1) + u"|";
    }
    type(tool, Text2, u"\x1A");
    EXPECT_EQ(steps + tool.text(Text2), titles + u"|" + names + u"||" + names + u"|ogg");
    // The text comes back exactly, lone CR and LF too; typing is a step.
    const std::u16string odd = u"x.mp3\ry.wav\n z\u00A0.mid";
    SendMessageW(tool.control(Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(odd.c_str()));
    tool.click(Command5);
    type(tool, Text1, u"ab");
    type(tool, Text1, u"\x1A");
    EXPECT_EQ(tool.text(Text1), u"x\ry\n z\u00A0");
    SendMessageW(tool.control(Text1), WM_UNDO, 0, 0);
    EXPECT_EQ(tool.text(Text1), odd);
    SendMessageW(tool.control(Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));

    // Held by another program, the clipboard is reported, the list kept.
    tool.click(Command2);
    OpenClipboard(nullptr);
    EXPECT_EQ(tool.clickForMessage(Command4), u"クリップボードに書き込めません。ほかのプログラムが使用中の可能性があります。");
    CloseClipboard();
    EXPECT_EQ(tool.text(Text1), names);

    // A real Excel's registration is never touched: then the export is not tried.
    HKEY excel = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Excel.Application", 0, KEY_READ, &excel) == ERROR_SUCCESS)
        std::puts("export not tried: an Excel is registered here");
    else
        exportThroughCom(tool, folder, names);
    tool.close();
    // The recording server holds its log until it ends, a second after the export.
    waitFor([&] { return fs::remove_all(folder, ignored), !fs::exists(folder); });
}

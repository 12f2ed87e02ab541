// The real tavrosk.exe, end to end, driven from this process: its window and
// controls where the layout puts them, the list flow, the export through COM
// to a recording "Excel.Application" in its own process, the failures the
// user sees.
#include "RunningExe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

// An empty folder, the earlier run's left behind until now for a look after a failure.
fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / name;
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    return folder;
}

bool startOn(RunningExe& tool, const fs::path& folder) {
    return tool.start(TAVROSK_EXE, fs::temp_directory_path().wstring(), L"\"" + folder.wstring() + L"\"");
}

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

// Chooses the entry with that access key in the popup menu the program
// shows, as the keyboard does.
void chooseFromMenu(const RunningExe& tool, char16_t key) {
    const HWND menu = waitFor([&] { return tool.ownWindow(L"#32768", nullptr); });
    ASSERT_TRUE(menu) << "no menu shown";
    PostMessageW(menu, WM_CHAR, key, 0);
    waitFor([&] { return !IsWindowVisible(menu); });
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
        // A graphical button's face, inside its edge and left of its caption,
        // once the window has painted it.
        if (c.colour) {
            const COLORREF face = RGB(c.colour >> 16, c.colour >> 8 & 0xFF, c.colour & 0xFF);
            EXPECT_TRUE(waitFor([&] { return GetPixel(dc, r.left + 3, (r.top + r.bottom) / 2) == face; })) << c.name;
        }
    }
    ReleaseDC(exe.window, dc);
    // Tab from Command6 visits the controls in their order, Text1 included,
    // and comes back round.
    std::string visited;
    for (int i = 0; i < 13; ++i) {
        const HWND before = exe.focus();
        visited += std::to_string(GetDlgCtrlID(before) - 1000) + " ";
        exe.press(VK_TAB, [&] { return exe.focus() != before; });
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

// The export's calls up to count, and the end of the server, as it writes
// them (none when it ended itself).
std::string calls(size_t count, bool released = true) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += kExport[i].first + "\n";
    return released ? text + "all released\n" : text;
}

// Registers the recording server, logging to log, as progId alone (none:
// nothing registered).
void registerServer(const wchar_t* progId, const fs::path& log) {
    for (const wchar_t* name : {L"Excel.Application", L"KET.Application"})
        RegDeleteTreeW(HKEY_CLASSES_ROOT, name);
    if (!progId)
        return;
    const std::wstring server = std::wstring(L"\"" TAVROSK_SERVER L"\" \"") + log.wstring() + L"\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (std::wstring(progId) + L"\\CLSID").c_str(), nullptr, REG_SZ,
                    TAVROSK_RECORDER_CLASS, sizeof TAVROSK_RECORDER_CLASS);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"CLSID\\" TAVROSK_RECORDER_CLASS L"\\LocalServer32", nullptr, REG_SZ,
                    server.c_str(), static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
}

HCURSOR shownCursor() {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    GetCursorInfo(&cursor);
    return cursor.hCursor;
}

// Clicks "To  Excel" with the mouse over TextBox 1 and watches the window
// until the export is done: it answers WM_NULL within 200 ms, Windows never
// calls it hung, the cursor over it is never the one it shows when it does
// not wait (a cursor of another process cannot be read here, so the wait
// cursor is known by being another) and is that one again afterwards; a
// second click, made meanwhile, starts nothing.
void clickWatching(const RunningExe& tool, const fs::path& log, size_t before) {
    RECT field{};
    GetWindowRect(tool.control(Text1), &field);
    SetCursorPos((field.left + field.right) / 2, (field.top + field.bottom) / 2);
    Sleep(200);
    const HCURSOR idle = shownCursor();
    PostMessageW(tool.control(Command7), BM_CLICK, 0, 0);
    bool slow = false, hung = false, idleCursor = false;
    for (const DWORD start = GetTickCount();
         !readAll(log).substr(before).ends_with("released\n") && GetTickCount() - start < 20000; Sleep(50)) {
        const DWORD asked = GetTickCount();
        SendMessageTimeoutW(tool.window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr);
        slow |= GetTickCount() - asked >= 200;
        hung |= IsHungAppWindow(tool.window) != FALSE;
        // The first moment is the click's, before the wait begins.
        idleCursor |= GetTickCount() - start > 300 && shownCursor() == idle;
        if (GetTickCount() - start > 1000 && GetTickCount() - start < 1100)
            PostMessageW(tool.control(Command7), BM_CLICK, 0, 0);
    }
    Sleep(300);  // a second export would have begun by now
    EXPECT_EQ(std::string(slow ? "slow " : "") + (hung ? "hung " : "") + (idleCursor ? "idle cursor" : ""), "");
    EXPECT_EQ(shownCursor(), idle) << "the cursor after the export";
}

const std::u16string kBusy = u"Excel が応答しません。Excel で入力中のセルや開いているダイアログを閉じてから［再試行］を押してください。"
                             u"\n［キャンセル］を押すと中止します。リストはクリップボードにあります。",
                     kOnClipboard = u"リストはクリップボードにあります（TextBox 1 には Ctrl+Z で戻せます）。";

// What a real Excel does to an export, and what the user sees of it: the
// server's fault (a slow one has the window watched while it waits), the
// boxes answered in turn, the server's calls, the boxes' texts.
struct Fault {
    std::string fault;
    std::vector<int> answers;
    std::string log;
    std::u16string messages;
    const wchar_t* registeredAs = L"Excel.Application";  // none: nothing registered
};

// First the export as it goes, then with each call failing in turn: its
// step's message, nothing called after it.
std::vector<Fault> faults() {
    std::vector<Fault> rows{{"", {}, calls(std::size(kExport)), u""}};
    for (size_t at = 0; at < std::size(kExport); ++at)
        rows.push_back({"fail " + std::to_string(at), {IDOK}, calls(at + 1), kExport[at].second});
    rows.insert(rows.end(), {
        {"slow -1 7000", {}, calls(12), u""},  // a 7 s start
        {"slow 2 7000", {}, calls(12), u""},  // a 7 s call
        {"busy 2 3 8001010A", {}, calls(12), u""},  // busy, answered from Invoke, below the limit
        {"busy 5 2 800AC472", {}, calls(12), u""},  // busy as Excel's own exception
        {"busy 0 2 80010001", {}, calls(12), u""},  // the call rejected
        {"busy 2 1000 8001010A", {IDRETRY}, calls(12), kBusy},  // then 再試行
        {"busy 2 1000 80010001", {IDCANCEL, IDOK}, calls(2), kBusy + u"|" + kExport[2].second},
        {"exit 3", {IDOK}, calls(4, false),  // the server ends midway
         kExport[3].second + u"\nExcel が終了したか、応答できなくなりました。リストはクリップボードにあります。"},
        {"", {}, calls(12), u"", L"KET.Application"},
        {"", {IDOK}, "", u"この PC には Excel がインストールされていません。\n" + kOnClipboard +
         u"ほかのアプリケーションに貼り付けて使えます。", nullptr},
    });
    return rows;
}

// Each fault, from the list in TextBox 1 (names), with the recording server
// registered (logging to calls.txt): the messages, the calls made, every
// object released (exactly), the list on the clipboard and back with Ctrl+Z.
void exportThroughCom(const RunningExe& tool, const fs::path& folder, const std::u16string& names) {
    const fs::path log = folder / "calls.txt";
    for (const Fault& f : faults()) {
        SCOPED_TRACE(testing::Message() << f.fault << " as " << (f.registeredAs ? f.registeredAs : L"nothing"));
        registerServer(f.registeredAs, log);
        const size_t before = readAll(log).size();
        std::ofstream(log.string() + ".fault") << f.fault;
        std::u16string messages;
        if (f.fault.starts_with("slow"))
            clickWatching(tool, log, before);
        else
            PostMessageW(tool.control(Command7), BM_CLICK, 0, 0);
        for (const int answer : f.answers) {
            messages += (messages.empty() ? u"" : u"|") + tool.answerBox(answer);
            if (answer == IDRETRY)  // the server answers from now on
                std::ofstream(log.string() + ".fault") << "busy 2 0 8001010A";
        }
        // The boxes have been answered: what is left is the releases.
        waitFor([&] { return !f.log.ends_with("released\n") || readAll(log).substr(before).ends_with("released\n"); },
                20000);
        EXPECT_EQ(readAll(log).substr(before), f.log);
        EXPECT_EQ(messages, f.messages);
        EXPECT_EQ(tool.text(Text1) + u"|" + clipboardText(), u"|" + names);
        type(tool, Text1, u"\x1A");
        EXPECT_EQ(tool.text(Text1), names);
    }
    registerServer(nullptr, log);
}

} // namespace

TEST(TavroskExe, ShowsItsWindowBuildsTheListAndHandsItOn) {
    const fs::path folder = freshFolder("tavrosk exe test");
    fs::create_directory(folder / "sub");
    for (const char* name : {"2 a.wav", "10 b.MP3", "1 c.ogg", "x.mid", "hidden.wav", "system.wav", ".dot.wav"})
        std::ofstream(folder / name).put('x');
    SetFileAttributesW((folder / "hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((folder / "system.wav").c_str(), FILE_ATTRIBUTE_SYSTEM);
    RunningExe tool;
    ASSERT_TRUE(startOn(tool, folder));
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
    const LRESULT home = SendMessageW(drive1, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"c:"));
    const LRESULT y = SendMessageW(drive1, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"y:"));
    ASSERT_TRUE(home != CB_ERR && y != CB_ERR);
    const fs::path medium = L"Z:" + (fs::path(_wgetenv(L"WINEPREFIX")) / "medium").wstring();
    fs::remove(medium);
    SendMessageW(drive1, CB_SETCURSEL, static_cast<WPARAM>(y), 0);
    PostMessageW(tool.window, WM_COMMAND, MAKEWPARAM(1000 + Drive1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drive1));
    EXPECT_TRUE(tool.answerBox().starts_with(u"ドライブ「"));
    EXPECT_EQ(SendMessageW(drive1, CB_GETCURSEL, 0, 0), home);

    // The list flow: hidden and system files left out, natural order, the
    // extensions taken off and the titles copied.
    const std::u16string names = u"1 c.ogg\r\n2 a.wav\r\n10 b.MP3\r\nx.mid\r\n", titles = u"1 c\r\n2 a\r\n10 b\r\nx\r\n";
    tool.click(Command1);
    tool.click(Command2);
    type(tool, Text2, u"ogg");
    tool.click(Command5);
    tool.click(Command4);
    EXPECT_EQ(tool.text(Text1) + tool.text(Text2) + u"|" + clipboardText(), u"|" + titles);

    // Each command's write is a step of the field's own undo, typing another:
    // Ctrl+Z (or WM_UNDO, from the field's menu) takes the steps back one by
    // one, the text exactly (lone CR and LF too), and Ctrl+Y makes one again.
    const std::u16string odd = u"x.mp3\ry.wav\n z\u00A0.mid";
    SendMessageW(tool.control(Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(odd.c_str()));
    tool.click(Command5);
    type(tool, Text1, u"ab");
    const std::pair<UINT, WPARAM> keys[] = {{WM_CHAR, 0x1A}, {WM_UNDO, 0}, {WM_CHAR, 0x1A}, {WM_CHAR, 0x1A},
                                            {WM_CHAR, 0x19}};
    std::u16string steps;
    for (const auto& [message, key] : keys) {
        SendMessageW(tool.control(Text1), message, key, 0);
        steps += tool.text(Text1) + u"|";
    }
    type(tool, Text2, u"\x1A");
    EXPECT_EQ(steps + tool.text(Text2), u"x\ry\n z\u00A0|" + odd + u"||" + titles + u"||ogg");

    // Held by another program, the clipboard is reported, the list kept.
    tool.click(Command2);
    OpenClipboard(nullptr);
    PostMessageW(tool.control(Command4), BM_CLICK, 0, 0);
    EXPECT_EQ(tool.answerBox(), u"クリップボードに書き込めません。ほかのプログラムが使用中の可能性があります。");
    CloseClipboard();
    EXPECT_EQ(tool.text(Text1), names);

    // A real Excel's registration is never touched: then the export is not tried.
    HKEY excel = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Excel.Application", 0, KEY_READ, &excel) == ERROR_SUCCESS)
        GTEST_SKIP() << "export not tried: an Excel is registered here";
    exportThroughCom(tool, folder, names);
}

TEST(TavroskExe, ContextMenusAppendTheTagsTitlesAndTakeTrackNumbersOff) {
    const fs::path folder = freshFolder("tavrosk menu test");
    fs::copy_file(fs::path(TAVROSK_TAG_FILES) / "utf16.mp3", folder / "01 a.mp3");
    fs::copy_file(fs::path(TAVROSK_TAG_FILES) / "untagged.mp3", folder / "02 b.mp3");
    RunningExe tool;
    ASSERT_TRUE(startOn(tool, folder));

    // A right click on a selected row keeps the selection and opens the
    // file list's menu.
    tool.click(Command1);
    const HWND list = tool.control(File1);
    const auto row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, row + row / 2));
    PostMessageW(list, WM_RBUTTONUP, 0, MAKELPARAM(10, row + row / 2));
    chooseFromMenu(tool, u't');
    EXPECT_EQ(waitFor([&] { return !tool.text(Text1).empty(); }) ? tool.text(Text1) : u"",
              u"夜明けのスキャット\r\n02 b.mp3\r\n");
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 2);

    // Text1's menu, from the keyboard.
    tool.click(Command2);
    PostMessageW(tool.control(Text1), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tool.control(Text1)), -1);
    chooseFromMenu(tool, u'n');
    EXPECT_TRUE(waitFor([&] { return tool.text(Text1) == u"夜明けのスキャット\r\nb.mp3\r\na.mp3\r\nb.mp3\r\n"; }));
    tool.close();

    // A slow read (files of noise, which TagLib scans through) shows its
    // progress; キャンセル appends nothing. The menu comes from the keyboard.
    fs::create_directories(folder / "slow");
    for (int i = 0; i < 12; ++i)
        fs::create_hard_link(fs::path(TAVROSK_TAG_FILES) / "huge.mp3", folder / "slow" / (std::to_string(i) + ".mp3"));
    ASSERT_TRUE(startOn(tool, folder / "slow"));
    tool.click(Command1);
    PostMessageW(tool.control(File1), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tool.control(File1)), -1);
    chooseFromMenu(tool, u't');
    const HWND progress = waitFor([&] { return tool.ownWindow(L"TavroskProgress", nullptr); });
    ASSERT_TRUE(progress);
    wchar_t shown[32] = L"";
    GetWindowTextW(FindWindowExW(progress, nullptr, L"Static", nullptr), shown, 32);
    EXPECT_TRUE(std::wstring_view(shown).ends_with(L" / 12")) << shown;
    PostMessageW(progress, WM_COMMAND, IDCANCEL, 0);
    waitFor([&] { return !IsWindow(progress); });
    EXPECT_EQ(tool.text(Text1), u"");
}

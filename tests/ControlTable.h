#pragma once

// The window's eighteen controls as the user is to see them, for the tests of
// both windows: twips from the client area's top-left corner, the caption or
// initial text (nullptr: not checked), the background colour of a graphical
// button (0xRRGGBB; 0: the system's), the place in the tab order and the
// name a screen reader announces: the label that heads the control. Of the
// controls, only the labels and Picture1 never take the focus.

// The controls by their place in the tab order.
enum Tab { Label3, Label2, Picture1, Command6, Command1, Command2, Text2, Command5, Command4, Command3, Text1, Drive1,
           Dir1, Label1, File1, Label4, Label5, Command7 };

struct ControlPlace {
    const char* name;
    int left, top, width, height;
    const char16_t* caption;
    unsigned colour;
    Tab tab;
    const char16_t* accessible;  // the name a screen reader announces (nullptr: not checked)
};

inline constexpr ControlPlace kControls[] = {
    {"Drive1", 90, 60, 2850, 300, nullptr, 0, Drive1, nullptr},  // a drop-down list is named by its value
    {"Dir1", 90, 390, 2850, 6600, u"", 0, Dir1, u"フォルダ"},
    {"Label4", 3150, 120, 525, 225, u"リスト", 0, Label4, u"リスト"},
    {"File1", 3000, 360, 4200, 6570, u"", 0, File1, u"リスト"},
    {"Command6", 7320, 390, 1755, 375, u"パス名を付加", 0, Command6, u"パス名を付加"},
    {"Command1", 7350, 840, 1755, 675, u"全ファイル選択", 0xFFFFC0, Command1, u"全ファイル選択"},
    {"Command2", 7320, 1590, 1755, 675, u"リスト→TextBox 1", 0xC0FFC0, Command2, u"リスト→TextBox 1"},
    {"Text2", 7320, 2340, 855, 405, u"", 0, Text2, u"TextBox 2"},
    {"Label3", 8250, 2490, 855, 195, u"TextBox 2", 0, Label3, u"TextBox 2"},
    {"Label1", 7350, 2850, 1425, 225, u"↓拡張子消去↓", 0, Label1, u"↓拡張子消去↓"},
    {"Command5", 7290, 3090, 1785, 675, u"WMA MP3 WAV   MID / TextBox 2", 0xFFE0C0, Command5,
     u"WMA MP3 WAV MID / TextBox 2"},  // one blank where the caption breaks its line
    {"Command7", 7290, 3840, 825, 1095, u"To  Excel", 0x00C000, Command7, u"To  Excel"},
    {"Command4", 8130, 3840, 930, 1095, u"To ClipBoard", 0xC0FFFF, Command4, u"To ClipBoard"},
    {"Command3", 7320, 5010, 1755, 675, u"クリヤー", 0xFFFFFF, Command3, u"クリヤー"},
    {"Picture1", 7800, 5820, 765, 675, u"", 0, Picture1, u"タヴロスク"},
    {"Label2", 7350, 6540, 1695, 435, nullptr, 0, Label2, nullptr},
    {"Label5", 9210, 180, 885, 195, u"TextBox 1", 0, Label5, u"TextBox 1"},
    {"Text1", 9150, 390, 4200, 6600, u"", 0, Text1, u"TextBox 1"},
};

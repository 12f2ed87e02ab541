#pragma once

// The window's eighteen controls as one table, free of any window toolkit, so
// that the Qt window and the Win32 window are built from the same places,
// captions, colours, tab order, alignment, fonts, pictures and the names
// screen readers announce.

#include "commands/Action.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavrosk::controls {

// A rectangle in twips (1/1440 inch) from the top-left corner of the client
// area; 15 twips make one pixel at 96 dots per inch.
struct Twips {
    int left, top, width, height;
};

struct Rgb {
    unsigned char red, green, blue;
};

enum class Kind {
    DriveList,
    FolderList,
    FileList,
    Button,            // a standard push button in the system's colours
    GraphicalButton,   // drawn in its own colour, with its picture if it has one
    LineField,         // Text2
    ListField,         // Text1
    Label,
    Picture,
};

enum class Align { Left, Centre };

// A face of the control's own; the others use the system's UI font.
struct Face {
    std::u16string_view family;
    int points;
    bool shiftJis;  // asks for the Japanese character set (128)
};

enum class Picture {
    None,
    Clipboard,    // 32 × 32, on Command4
    Spreadsheet,  // 32 × 32, on Command7
    Still,        // 48 × 40, in Picture1
};

struct Control {
    std::string_view name;
    Kind kind;
    std::u16string_view caption;
    Twips place;
    std::optional<Rgb> colour;     // graphical buttons only
    std::optional<Action> action;  // what a button's click runs
    int tab;                       // place in the tab order; labels and the picture never take the focus
    std::u16string_view accessibleName;  // the label that heads the control, or its own caption
    Picture picture = Picture::None;     // centred above a button's caption
    Align align = Align::Left;           // of a label's or a text field's text; captions are centred
    std::optional<Face> face = {};
};

inline constexpr Twips kClientArea{0, 0, 13455, 7035};

// The extension is short and sits in a narrow field: centred reads best.
inline constexpr Face kExtensionFace{u"ＭＳ Ｐゴシック", 12, true};

inline constexpr std::array<Control, 18> kControls{{
    {"Drive1", Kind::DriveList, u"", {90, 60, 2850, 300}, {}, {}, 11, u"ドライブ"},
    {"Dir1", Kind::FolderList, u"", {90, 390, 2850, 6600}, {}, {}, 12, u"フォルダ"},
    {"Label4", Kind::Label, u"リスト", {3150, 120, 525, 225}, {}, {}, 15, u"リスト"},
    {"File1", Kind::FileList, u"", {3000, 360, 4200, 6570}, {}, {}, 14, u"リスト"},
    {"Command6", Kind::Button, u"パス名を付加", {7320, 390, 1755, 375}, {}, Action::AppendFolderPath, 3,
     u"パス名を付加"},
    {"Command1", Kind::GraphicalButton, u"全ファイル選択", {7350, 840, 1755, 675}, Rgb{255, 255, 192},
     Action::SelectAllFiles, 4, u"全ファイル選択"},
    {"Command2", Kind::GraphicalButton, u"リスト→TextBox 1", {7320, 1590, 1755, 675}, Rgb{192, 255, 192},
     Action::AppendSelectedNames, 5, u"リスト→TextBox 1"},
    {"Text2", Kind::LineField, u"", {7320, 2340, 855, 405}, {}, {}, 6, u"TextBox 2", Picture::None, Align::Centre,
     kExtensionFace},
    {"Label3", Kind::Label, u"TextBox 2", {8250, 2490, 855, 195}, {}, {}, 0, u"TextBox 2"},
    {"Label1", Kind::Label, u"↓拡張子消去↓", {7350, 2850, 1425, 225}, {}, {}, 13, u"↓拡張子消去↓"},
    {"Command5", Kind::GraphicalButton, u"WMA MP3 WAV   MID / TextBox 2", {7290, 3090, 1785, 675},
     Rgb{255, 224, 192}, Action::StripExtensions, 7, u"WMA MP3 WAV MID / TextBox 2"},
    {"Command7", Kind::GraphicalButton, u"To  Excel", {7290, 3840, 825, 1095}, Rgb{0, 192, 0},
     Action::ExportToSpreadsheet, 17, u"To  Excel", Picture::Spreadsheet},
    {"Command4", Kind::GraphicalButton, u"To ClipBoard", {8130, 3840, 930, 1095}, Rgb{192, 255, 255},
     Action::CopyListToClipboard, 8, u"To ClipBoard", Picture::Clipboard},
    {"Command3", Kind::GraphicalButton, u"クリヤー", {7320, 5010, 1755, 675}, Rgb{255, 255, 255}, Action::ClearAll, 9,
     u"クリヤー"},
    {"Picture1", Kind::Picture, u"", {7800, 5820, 765, 675}, {}, {}, 2, u"タヴロスク", Picture::Still},
    {"Label2", Kind::Label, u"タヴロスク制作室 2026", {7350, 6540, 1695, 435}, {}, {}, 1, u"タヴロスク制作室 2026",
     Picture::None, Align::Centre},
    {"Label5", Kind::Label, u"TextBox 1", {9210, 180, 885, 195}, {}, {}, 16, u"TextBox 1"},
    {"Text1", Kind::ListField, u"", {9150, 390, 4200, 6600}, {}, {}, 10, u"TextBox 1"},
}};

inline constexpr const Control& Named(std::string_view name) {
    for (const Control& c : kControls)
        if (c.name == name)
            return c;
    throw "no such control";  // a misspelt name fails the build where it is constant
}

inline constexpr bool TakesFocus(const Control& c) {
    return c.kind != Kind::Label && c.kind != Kind::Picture;
}

// The controls that take the focus, in tab order.
inline constexpr std::array<const Control*, 12> TabOrder() {
    std::array<const Control*, 12> order{};
    std::size_t n = 0;
    for (int tab = 0; tab < static_cast<int>(kControls.size()); ++tab)
        for (const Control& c : kControls)
            if (c.tab == tab && TakesFocus(c))
                order[n++] = &c;
    return order;
}

// Twips to device-independent pixels for a screen of the given dots per inch
// (96 gives 15 twips per pixel).
inline constexpr int ToPixels(int twips, double dpi) {
    return static_cast<int>(twips * dpi / 1440.0 + 0.5);
}

} // namespace tavrosk::controls

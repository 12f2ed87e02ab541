#include "app/win32/GraphicalButton.h"

#include "app/win32/WideText.h"

#include <algorithm>

namespace tavrosk::win32 {

void DrawGraphicalButton(const DRAWITEMSTRUCT& item, controls::Rgb colour, std::optional<Picture> picture,
                         double scale) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    FillRect(dc, &face, brush);
    DeleteObject(brush);
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    InflateRect(&face, -1, -1);
    if (pressed)
        OffsetRect(&face, 1, 1);

    const std::u16string caption = WindowText(item.hwndItem);
    RECT measured = face;
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    const int captionHeight = DrawTextW(dc, Wide(caption), -1, &measured, format | DT_CALCRECT);
    RECT text = face;
    if (picture) {
        const SIZE size = PictureSize(*picture);
        const int width = static_cast<int>(size.cx * scale), height = static_cast<int>(size.cy * scale);
        const int top = std::max(face.top, face.top + (face.bottom - face.top - height - captionHeight) / 2);
        DrawPicture(dc, *picture, (face.left + face.right - width) / 2, top, scale);
        text.top = top + height;
    } else {
        text.top = std::max(face.top, face.top + (face.bottom - face.top - captionHeight) / 2);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, Wide(caption), -1, &text, format);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace tavrosk::win32

#include "app/win32/Pictures.h"

#include <initializer_list>

namespace tavrosk::win32 {

namespace {

// Drawing in the pictures' own units (pixels at 96 dpi), with tenths kept:
// the world transform scales by scale / 10.
class Canvas {
public:
    Canvas(HDC dc, int x, int y, double scale) : dc_(dc), mode_(SetGraphicsMode(dc, GM_ADVANCED)) {
        GetWorldTransform(dc_, &saved_);
        const XFORM transform{static_cast<FLOAT>(scale / 10), 0, 0, static_cast<FLOAT>(scale / 10),
                              static_cast<FLOAT>(x), static_cast<FLOAT>(y)};
        SetWorldTransform(dc_, &transform);
    }
    ~Canvas() {
        SetWorldTransform(dc_, &saved_);
        SetGraphicsMode(dc_, mode_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // A fill of CLR_INVALID leaves the inside empty; a width of 0 draws no edge.
    void rect(double x, double y, double w, double h, COLORREF fill, COLORREF edge, double width, double round = 0) {
        Tools tools(dc_, fill, edge, width);
        RoundRect(dc_, at(x), at(y), at(x + w), at(y + h), at(2 * round), at(2 * round));
    }
    void ellipse(double cx, double cy, double rx, double ry, COLORREF fill, COLORREF edge, double width) {
        Tools tools(dc_, fill, edge, width);
        Ellipse(dc_, at(cx - rx), at(cy - ry), at(cx + rx), at(cy + ry));
    }
    void line(double x1, double y1, double x2, double y2, COLORREF colour, double width) {
        Tools tools(dc_, CLR_INVALID, colour, width);
        MoveToEx(dc_, at(x1), at(y1), nullptr);
        LineTo(dc_, at(x2), at(y2));
    }
    void polygon(std::initializer_list<POINT> points, COLORREF fill, COLORREF edge, double width) {
        Tools tools(dc_, fill, edge, width);
        POINT scaled[8];
        int n = 0;
        for (const POINT& p : points)
            scaled[n++] = {p.x * 10, p.y * 10};
        Polygon(dc_, scaled, n);
    }

private:
    static int at(double v) { return static_cast<int>(v * 10 + 0.5); }

    // A pen and brush selected for one shape.
    struct Tools {
        HDC dc;
        HPEN pen;
        HBRUSH brush;
        HGDIOBJ oldPen, oldBrush;
        Tools(HDC d, COLORREF fill, COLORREF edge, double width)
            : dc(d),
              pen(width > 0 ? CreatePen(PS_SOLID, at(width), edge) : static_cast<HPEN>(GetStockObject(NULL_PEN))),
              brush(fill != CLR_INVALID ? CreateSolidBrush(fill) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))),
              oldPen(SelectObject(dc, pen)), oldBrush(SelectObject(dc, brush)) {}
        ~Tools() {
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
            DeleteObject(pen);  // stock objects ignore this
            DeleteObject(brush);
        }
    };

    HDC dc_;
    int mode_;
    XFORM saved_{};
};

void clipboard(Canvas& c) {
    c.rect(5, 4, 22, 26, RGB(0xa0, 0x52, 0x2d), RGB(0x5c, 0x2e, 0x12), 1, 2);
    c.rect(8, 8, 16, 19, RGB(255, 255, 255), RGB(0x77, 0x77, 0x77), 0.8);
    c.rect(11, 2, 10, 5, RGB(0xc0, 0xc0, 0xc0), RGB(0x55, 0x55, 0x55), 1, 1.5);
    for (double y : {12.0, 15.5, 19.0})
        c.line(10.5, y, 21.5, y, RGB(0x22, 0x55, 0xaa), 1.3);
    c.line(10.5, 22.5, 17.5, 22.5, RGB(0x22, 0x55, 0xaa), 1.3);
}

void spreadsheet(Canvas& c) {
    const COLORREF grid = RGB(0x1e, 0x5e, 0x20);
    c.rect(3, 4, 26, 24, RGB(255, 255, 255), grid, 1.2);
    c.rect(3, 4, 26, 5, RGB(0x2e, 0x7d, 0x32), 0, 0);
    c.rect(3, 9, 10, 19, RGB(0xe8, 0xf5, 0xe9), 0, 0);
    for (double y : {14.0, 19.0, 24.0})
        c.line(3, y, 29, y, grid, 0.9);
    for (double x : {13.0, 21.0})
        c.line(x, 4, x, 28, grid, 0.9);
    const double ends[] = {11, 10, 11, 9};
    const double rows[] = {11.5, 16.5, 21.5, 26};
    for (int i = 0; i < 4; ++i)
        c.line(5, rows[i], ends[i], rows[i], RGB(0x33, 0x33, 0x33), 1.1);
}

void still(Canvas& c) {
    const COLORREF rim = RGB(0x6a, 0x6a, 0x8a), ink = RGB(0x2b, 0x4c, 0x9b);
    c.ellipse(18, 22, 15, 15, RGB(0xd8, 0xd8, 0xe8), rim, 1);
    c.ellipse(18, 22, 10, 10, CLR_INVALID, RGB(0xb0, 0xb0, 0xc8), 0.8);
    c.ellipse(18, 22, 4, 4, RGB(0xf4, 0xc5, 0x42), rim, 0.8);
    c.ellipse(18, 22, 1.2, 1.2, RGB(255, 255, 255), 0, 0);
    c.line(36, 6, 36, 23, ink, 1.6);
    c.line(44, 3, 44, 20, ink, 1.6);
    c.polygon({{36, 6}, {44, 3}, {44, 7}, {36, 10}}, ink, ink, 1.6);
    c.ellipse(33.6, 23.5, 3, 2.2, ink, 0, 0);
    c.ellipse(41.6, 20.5, 3, 2.2, ink, 0, 0);
}

void folder(Canvas& c, bool open) {
    const COLORREF edge = RGB(0x9a, 0x6a, 0x10), back = RGB(0xe8, 0xb8, 0x40), front = RGB(0xf8, 0xd8, 0x70);
    c.polygon({{1, 3}, {6, 3}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}, back, edge, 1);
    if (open)
        c.polygon({{3, 7}, {16, 7}, {14, 13}, {1, 13}}, front, edge, 1);
    else
        c.rect(1, 6, 13, 7, front, edge, 1);
}

} // namespace

SIZE PictureSize(Picture picture) {
    switch (picture) {
    case Picture::Clipboard:
    case Picture::Spreadsheet: return {32, 32};
    case Picture::Still: return {48, 40};
    default: return {16, 16};
    }
}

void DrawPicture(HDC dc, Picture picture, int x, int y, double scale) {
    Canvas canvas(dc, x, y, scale);
    switch (picture) {
    case Picture::Clipboard: clipboard(canvas); break;
    case Picture::Spreadsheet: spreadsheet(canvas); break;
    case Picture::Still: still(canvas); break;
    case Picture::OpenFolder: folder(canvas, true); break;
    case Picture::ClosedFolder: folder(canvas, false); break;
    }
}

} // namespace tavrosk::win32

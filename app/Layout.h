#pragma once

#include <QRect>

namespace tavrosk::layout {

// The window's geometry in twips (1/1440 inch), from the top-left corner of
// the client area; 15 twips make one pixel at 96 dots per inch.
struct Twips {
    int left, top, width, height;
};

inline constexpr Twips kClientArea{0, 0, 13455, 7035};

inline constexpr Twips kDrive1{90, 60, 2850, 300};
inline constexpr Twips kDir1{90, 390, 2850, 6600};
inline constexpr Twips kLabel4{3150, 120, 525, 225};
inline constexpr Twips kFile1{3000, 360, 4200, 6570};
inline constexpr Twips kCommand6{7320, 390, 1755, 375};
inline constexpr Twips kCommand1{7350, 840, 1755, 675};
inline constexpr Twips kCommand2{7320, 1590, 1755, 675};
inline constexpr Twips kText2{7320, 2340, 855, 405};
inline constexpr Twips kLabel3{8250, 2490, 855, 195};
inline constexpr Twips kLabel1{7350, 2850, 1425, 225};
inline constexpr Twips kCommand5{7290, 3090, 1785, 675};
inline constexpr Twips kCommand7{7290, 3840, 825, 1095};
inline constexpr Twips kCommand4{8130, 3840, 930, 1095};
inline constexpr Twips kCommand3{7320, 5010, 1755, 675};
inline constexpr Twips kPicture1{7800, 5820, 765, 675};
inline constexpr Twips kLabel2{7350, 6540, 1695, 435};
inline constexpr Twips kLabel5{9210, 180, 885, 195};
inline constexpr Twips kText1{9150, 390, 4200, 6600};

// Converts to device-independent pixels for a screen of the given logical
// dots per inch (96 gives 15 twips per pixel).
inline int toPixels(int twips, double logicalDpi) {
    return static_cast<int>(twips * logicalDpi / 1440.0 + 0.5);
}

inline QRect toPixels(const Twips& t, double logicalDpi) {
    return QRect(toPixels(t.left, logicalDpi), toPixels(t.top, logicalDpi), toPixels(t.width, logicalDpi),
                 toPixels(t.height, logicalDpi));
}

} // namespace tavrosk::layout

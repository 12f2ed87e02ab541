#include "WindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tavrosk::test {
namespace {

// The window's controls as the user is to see them: twips from the client
// area's top-left corner, the caption, a background colour of its own
// (graphical buttons), and the place in the tab order (-1: never focused).
struct Control {
    const char* name;
    int left, top, width, height;
    const char* caption;
    QRgb colour;
    int tab;
};

const Control kControls[] = {
    {"Drive1", 90, 60, 2850, 300, nullptr, 0, 11},
    {"Dir1", 90, 390, 2850, 6600, nullptr, 0, 12},
    {"Label4", 3150, 120, 525, 225, "リスト", 0, -1},
    {"File1", 3000, 360, 4200, 6570, nullptr, 0, 14},
    {"Command6", 7320, 390, 1755, 375, "パス名を付加", 0, 3},
    {"Command1", 7350, 840, 1755, 675, "全ファイル選択", qRgb(255, 255, 192), 4},
    {"Command2", 7320, 1590, 1755, 675, "リスト→TextBox 1", qRgb(192, 255, 192), 5},
    {"Text2", 7320, 2340, 855, 405, nullptr, 0, 6},
    {"Label3", 8250, 2490, 855, 195, "TextBox 2", 0, -1},
    {"Label1", 7350, 2850, 1425, 225, "↓拡張子消去↓", 0, -1},
    {"Command5", 7290, 3090, 1785, 675, "WMA MP3 WAV   MID / TextBox 2", qRgb(255, 224, 192), 7},
    {"Command7", 7290, 3840, 825, 1095, "To  Excel", qRgb(0, 192, 0), 17},
    {"Command4", 8130, 3840, 930, 1095, "To ClipBoard", qRgb(192, 255, 255), 8},
    {"Command3", 7320, 5010, 1755, 675, "クリヤー", qRgb(255, 255, 255), 9},
    {"Picture1", 7800, 5820, 765, 675, nullptr, 0, -1},
    {"Label2", 7350, 6540, 1695, 435, nullptr, 0, -1},
    {"Label5", 9210, 180, 885, 195, "TextBox 1", 0, -1},
    {"Text1", 9150, 390, 4200, 6600, nullptr, 0, 10},
};

// 1440 twips to the inch, rounded to the nearest pixel.
int pixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440)); }

QString captionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return {};
}

int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

TEST_F(WindowTest, EveryControlSitsAtItsPlaceWithItsCaptionAndColour) {
    const double dpi = form->screen()->logicalDotsPerInch();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("タヴロスク作成支援ツール"));
    EXPECT_EQ(form->size(), QSize(pixels(13455, dpi), pixels(7035, dpi)));
    const QImage shot = form->grab().toImage();
    for (const Control& c : kControls) {
        QWidget* widget = control<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(pixels(c.left, dpi), pixels(c.top, dpi), pixels(c.width, dpi),
                                            pixels(c.height, dpi)))
            << c.name;
        if (c.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromUtf8(c.caption)) << c.name;
        }
        // Drawn in its colour: a point near its left edge, halfway down, is
        // close to it (the style shades it a little).
        const QColor seen = shot.pixelColor(
            (widget->geometry().topLeft() + QPoint(4, widget->height() / 2)) * shot.devicePixelRatio());
        if (c.colour) {
            EXPECT_LT(distance(seen, QColor(c.colour)), 60) << c.name << " drawn as " << seen.name().toStdString();
        }
    }
    EXPECT_FALSE(captionOf(control<QLabel>("Label2")).isEmpty());
    EXPECT_TRUE(control<QLabel>("Label2")->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>("Picture1")->pixmap().deviceIndependentSize().toSize(), QSize(48, 40));
    const QFont text2Font = control<QLineEdit>("Text2")->font();
    EXPECT_EQ(text2Font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(text2Font.pointSize(), 12);
}

TEST_F(WindowTest, TabVisitsTheControlsInTheirOrderAndEnterInText1StartsALine) {
    std::vector<const Control*> focusable;
    for (const Control& c : kControls)
        if (c.tab >= 0)
            focusable.push_back(&c);
    std::sort(focusable.begin(), focusable.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    QStringList expected;
    for (const Control* c : focusable)
        expected.push_back(QString::fromUtf8(c->name));
    expected.push_back(expected.front());

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);

    auto* field = control<QPlainTextEdit>("Text1");
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("ab"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, QStringLiteral("c"));
    EXPECT_EQ(text1(), u"ab\r\nc");
    EXPECT_TRUE(calls.calls.empty());
}

TEST_F(WindowTest, MaximizingMovesNoControl) {
    const QRect before = control<QWidget>("Text1")->geometry();
    form->showMaximized();
    QTest::qWait(300);
    EXPECT_GT(form->width(), before.right());
    EXPECT_EQ(control<QWidget>("Text1")->geometry(), before);
}

} // namespace
} // namespace tavrosk::test

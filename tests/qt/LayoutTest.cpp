#include "WindowFixture.h"

#include "tests/ControlTable.h"

#include <QLabel>
#include <QScreen>

namespace tavrosk::test {
namespace {

// 1440 twips to the inch, rounded to the nearest pixel.
int pixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440)); }

int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

TEST_F(WindowTest, EveryControlSitsAtItsPlaceWithItsCaptionAndColour) {
    const double dpi = form->screen()->logicalDotsPerInch();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("タヴロスク作成支援ツール"));
    EXPECT_EQ(form->size(), QSize(pixels(13455, dpi), pixels(7035, dpi)));
    const QImage shot = form->grab().toImage();
    for (const ControlPlace& c : kControls) {
        QWidget* widget = control<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(pixels(c.left, dpi), pixels(c.top, dpi), pixels(c.width, dpi),
                                            pixels(c.height, dpi)))
            << c.name;
        if (c.caption) {
            EXPECT_EQ(widget->property("text").toString(), QString::fromUtf16(c.caption)) << c.name;
        }
        if (c.accessible) {
            EXPECT_EQ(widget->accessibleName(), QString::fromUtf16(c.accessible)) << c.name;
        }
        // Drawn in its colour: a point near its left edge, halfway down, is
        // close to it (the style shades it a little).
        const QColor seen = shot.pixelColor(
            (widget->geometry().topLeft() + QPoint(4, widget->height() / 2)) * shot.devicePixelRatio());
        if (c.colour) {
            EXPECT_LT(distance(seen, QColor(c.colour)), 60) << c.name << " drawn as " << seen.name().toStdString();
        }
    }
    EXPECT_FALSE(control<QLabel>("Label2")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>("Label2")->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>("Picture1")->pixmap().deviceIndependentSize().toSize(), QSize(48, 40));
    const QFont text2Font = control<QLineEdit>("Text2")->font();
    EXPECT_EQ(text2Font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(text2Font.pointSize(), 12);
}

TEST_F(WindowTest, TabVisitsTheControlsInTheirOrder) {
    const QStringList expected = {"Command6", "Command1", "Command2", "Text2", "Command5", "Command4", "Command3",
                                  "Text1",    "Drive1",   "Dir1",     "File1", "Command7", "Command6"};

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
}

} // namespace
} // namespace tavrosk::test

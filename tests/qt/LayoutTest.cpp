#include "WindowFixture.h"

#include "tests/ControlTable.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <QStyleOptionButton>

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
    const qreal ratio = shot.devicePixelRatio();
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
            EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                      QString::fromUtf16(c.accessible))
                << c.name;
        }
        // Drawn in its colour: a point near its left edge, halfway down, is
        // close to it (the style shades it a little).
        const QColor seen = shot.pixelColor((widget->pos() + QPoint(4, widget->height() / 2)) * ratio);
        if (c.colour) {
            EXPECT_LT(distance(seen, QColor(c.colour)), 60) << c.name << " drawn as " << seen.name().toStdString();
        }
        // A scrolled field's frame is whole: its last column and row of
        // device pixels are the frame's, not the window's background.
        if (qobject_cast<QAbstractScrollArea*>(widget)) {
            const QRect edges = QRectF(QPointF(widget->pos()) * ratio, QSizeF(widget->size()) * ratio).toAlignedRect();
            const QColor background = form->palette().color(QPalette::Window);
            for (const QPoint& edge :
                 {QPoint(edges.right(), edges.center().y()), QPoint(edges.center().x(), edges.bottom())})
                EXPECT_GT(distance(shot.pixelColor(edge), background), 30)
                    << c.name << " at " << edge.x() << "," << edge.y();
        }
    }
    // A screen reader meets a frame, and reads each field with the label
    // that heads it.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
    for (const auto& [field, label] : {std::pair{"Text1", "Label5"}, {"Text2", "Label3"}}) {
        const auto labels = QAccessible::queryAccessibleInterface(control<QWidget>(field))->relations(QAccessible::Label);
        EXPECT_TRUE(!labels.isEmpty() && labels.front().first->object()->objectName() == QLatin1String(label)) << field;
    }
    EXPECT_TRUE(control<QLabel>("Label2")->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>("Picture1")->pixmap().deviceIndependentSize().toSize(), QSize(48, 40));
    // Text2's face and size, as QFont writes them down.
    EXPECT_EQ(control<QLineEdit>("Text2")->font().toString().section(u',', 0, 1).toStdString(), "ＭＳ Ｐゴシック,12");
}

// The lines each caption takes, as the window is designed: every word whole.
const std::pair<const char*, int> kCaptionLines[] = {
    {"Label4", 1},   {"Label3", 1},   {"Label1", 1},   {"Label5", 1},   {"Label2", 2},   {"Command6", 1},
    {"Command1", 1}, {"Command2", 1}, {"Command5", 2}, {"Command7", 1}, {"Command4", 2}, {"Command3", 1},
};

// Under any locale (the suite also runs under ja_JP.UTF-8): one
// proportional Japanese face, every caption on its lines. That Qt's own
// texts are in Japanese, CtrlZInAFieldBringsBackWhatACommandChanged shows.
TEST_F(WindowTest, EveryCaptionShowsWholeInAProportionalJapaneseFace) {
    for (const auto& [name, lines] : kCaptionLines) {
        QWidget* widget = control<QWidget>(name);
        QStyleOptionButton option;  // a button's caption has its contents' room, a label's all of it
        option.initFrom(widget);
        const QRect room = qobject_cast<QPushButton*>(widget)
                               ? widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, widget)
                               : widget->rect();
        const QFontMetrics metrics(widget->font());
        const QRect needed =
            metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, widget->property("text").toString());
        EXPECT_EQ(std::lround(double(needed.height()) / metrics.lineSpacing()), lines) << name;
        const QFontInfo face(widget->font());
        EXPECT_TRUE(!face.fixedPitch() && QFontDatabase::writingSystems(face.family()).contains(QFontDatabase::Japanese))
            << name << " in " << face.family().toStdString();
    }
    // The pictures that stand for control characters in names have a face.
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(std::any_of(families.begin(), families.end(), [](const QString& family) {
        return QFontMetrics(QFont(family)).inFontUcs4(0x240A);
    }));
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

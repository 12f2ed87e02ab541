#include "WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QWindow>

namespace tavrosk::test {
namespace {

struct Twips {
    int left, top, width, height;
};

struct Place {
    const char* name;
    Twips twips;
    const char* caption;
};

const Place kPlaces[] = {
    {"Drive1", {90, 60, 2850, 300}, nullptr},
    {"Dir1", {90, 390, 2850, 6600}, nullptr},
    {"Label4", {3150, 120, 525, 225}, "リスト"},
    {"File1", {3000, 360, 4200, 6570}, nullptr},
    {"Command6", {7320, 390, 1755, 375}, "パス名を付加"},
    {"Command1", {7350, 840, 1755, 675}, "全ファイル選択"},
    {"Command2", {7320, 1590, 1755, 675}, "リスト→TextBox 1"},
    {"Text2", {7320, 2340, 855, 405}, nullptr},
    {"Label3", {8250, 2490, 855, 195}, "TextBox 2"},
    {"Label1", {7350, 2850, 1425, 225}, "↓拡張子消去↓"},
    {"Command5", {7290, 3090, 1785, 675}, "WMA MP3 WAV   MID / TextBox 2"},
    {"Command7", {7290, 3840, 825, 1095}, "To  Excel"},
    {"Command4", {8130, 3840, 930, 1095}, "To ClipBoard"},
    {"Command3", {7320, 5010, 1755, 675}, "クリヤー"},
    {"Picture1", {7800, 5820, 765, 675}, nullptr},
    {"Label2", {7350, 6540, 1695, 435}, nullptr},
    {"Label5", {9210, 180, 885, 195}, "TextBox 1"},
    {"Text1", {9150, 390, 4200, 6600}, nullptr},
};

int toPixels(int twips, double dpi) {
    return static_cast<int>(twips * dpi / 1440.0 + 0.5);
}

QRect toPixels(const Twips& t, double dpi) {
    return QRect(toPixels(t.left, dpi), toPixels(t.top, dpi), toPixels(t.width, dpi), toPixels(t.height, dpi));
}

QString captionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return {};
}

TEST_F(WindowTest, EveryControlSitsAtItsPlaceWithItsCaption) {
    const double dpi = form->screen()->logicalDotsPerInch();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("タヴロスク作成支援ツール"));
    EXPECT_EQ(form->size(), QSize(toPixels(13455, dpi), toPixels(7035, dpi)));
    for (const Place& place : kPlaces) {
        QWidget* widget = control<QWidget>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), toPixels(place.twips, dpi)) << place.name;
        if (place.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromUtf8(place.caption)) << place.name;
        }
        EXPECT_FALSE(captionOf(widget).contains(QLatin1Char('&'))) << place.name;
    }
    EXPECT_FALSE(control<QLabel>("Label2")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>("Label2")->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>("Picture1")->pixmap().deviceIndependentSize().toSize(), QSize(48, 40));
    EXPECT_EQ(control<QLineEdit>("Text2")->font().pointSize(), 12);
}

TEST_F(WindowTest, GraphicalButtonsHaveTheirOwnBackgroundColours) {
    const std::pair<const char*, QColor> colours[] = {
        {"Command1", QColor(255, 255, 192)}, {"Command2", QColor(192, 255, 192)}, {"Command5", QColor(255, 224, 192)},
        {"Command7", QColor(0, 192, 0)},     {"Command4", QColor(192, 255, 255)}, {"Command3", QColor(255, 255, 255)},
    };
    const QImage shot = form->grab().toImage();
    for (const auto& [name, colour] : colours) {
        QWidget* button = control<QWidget>(name);
        EXPECT_EQ(button->palette().color(QPalette::Button), colour) << name;
        // Drawn: a point near the button's left edge, halfway down, is close
        // to its colour (the style shades it a little).
        const QPoint probe = button->geometry().topLeft() + QPoint(4, button->height() / 2);
        const QColor seen = shot.pixelColor(probe * shot.devicePixelRatio());
        EXPECT_LT(std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) +
                      std::abs(seen.blue() - colour.blue()),
                  60)
            << name << " drawn as " << seen.name().toStdString();
    }
    EXPECT_EQ(control<QPushButton>("Command6")->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(WindowTest, TabVisitsTheControlsInTheirOrderAndNeverALabel) {
    const QStringList expected = {"Command6", "Command1", "Command2", "Text2",   "Command5", "Command4", "Command3",
                                  "Text1",    "Drive1",   "Dir1",     "File1",   "Command7", "Command6"};
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);

    // Enter in Text1 starts a new line and presses no button.
    auto* text1 = control<QPlainTextEdit>("Text1");
    text1->setFocus();
    QTest::keyClicks(text1, QStringLiteral("ab"));
    QTest::keyClick(text1, Qt::Key_Return);
    QTest::keyClicks(text1, QStringLiteral("c"));
    EXPECT_EQ(form->state().text1.text(), u"ab\r\nc");
    EXPECT_TRUE(spreadsheet.calls.empty());
}

QString xprop(WId window, const char* property) {
    QProcess process;
    process.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QLatin1String(property)});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}


TEST_F(WindowTest, StaysOnTopCentredAndKeepsItsControlsWhenMaximized) {
    EXPECT_TRUE(xprop(form->winId(), "_NET_WM_STATE").contains(QLatin1String("_NET_WM_STATE_ABOVE")));

    const QPoint screenCentre = form->screen()->availableGeometry().center();
    EXPECT_LE((form->frameGeometry().center() - screenCentre).manhattanLength(), 24);

    // Another window activated afterwards stays below ours.
    QWidget other;
    other.setWindowTitle(QStringLiteral("other"));
    other.setGeometry(form->geometry().adjusted(-20, -20, 20, 20));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    QTest::qWait(200);
    const QString stacking = [] {
        QProcess process;
        process.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }();
    const auto hex = [](WId id) { return QStringLiteral("0x%1").arg(id, 0, 16); };
    ASSERT_GE(stacking.indexOf(hex(other.winId())), 0) << stacking.toStdString();
    EXPECT_GT(stacking.indexOf(hex(form->winId())), stacking.indexOf(hex(other.winId()))) << stacking.toStdString();

    const QRect text1Before = control<QWidget>("Text1")->geometry();
    const QPoint positionBefore = form->pos();
    form->showMaximized();
    QTest::qWait(300);
    EXPECT_GT(form->width(), text1Before.right());
    EXPECT_EQ(control<QWidget>("Text1")->geometry(), text1Before);
    form->showNormal();
    QTest::qWait(300);
    EXPECT_EQ(form->pos(), positionBefore);

    const QString screenshot = qEnvironmentVariable("TAVROSK_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        form->activateWindow();
        QTest::qWait(200);
        form->grab().save(screenshot);
    }
}

} // namespace
} // namespace tavrosk::test

#include "WindowFixture.h"

#include "app/qt/platform/ClipboardOwner.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QProcess>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace tavrosk::test {
namespace {

// Opens the widget's context menu at `at` with a right click and chooses the
// entry whose caption starts so; false when it is not there or not enabled.
bool chooseFromMenu(QWidget* widget, QPoint at, const QString& caption) {
    bool chosen = false;
    QTimer::singleShot(100, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>{})
            if (action->text().startsWith(caption) && action->isEnabled()) {
                action->trigger();
                chosen = true;
            }
        if (menu)
            menu->close();
    });
    QContextMenuEvent ask(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &ask);
    QCoreApplication::processEvents();
    return chosen;
}

// Buttons, clicked or pressed with Enter, typing, and a paste with lone CR
// and LF, a name with a no-break space: stripped and copied, all of it comes
// out as it went in. Enter in a text field clicks no button.
TEST_F(WindowTest, ButtonsAndHandEditsBuildTheListAndTheClipboardHoldsItExactly) {
    for (const char* name : {"01 Intro.mp3", "02 Song.WAV", "03 曲\u00A0A.ogg", "04 keep.Mp3"})
        makeFile(name);
    open(root);
    const auto press = [](QWidget* widget, Qt::Key key) {
        widget->setFocus();
        QTest::keyClick(widget, key);
    };
    auto* edit = control<QPlainTextEdit>("Text1");
    auto* extension = control<QLineEdit>("Text2");
    click("Command1");
    click("Command2");
    press(control<QPushButton>("Command6"), Qt::Key_Enter);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, u"x\u00A0y.wav"_qs);
    press(edit, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(u"p\rq.mid\nr"_qs);
    QTest::keySequence(edit, QKeySequence::Paste);
    QTest::keyClicks(extension, QStringLiteral("ogg"));
    press(extension, Qt::Key_Return);
    click("Command5");
    const std::u16string list = u"01 Intro\r\n02 Song\r\n03 曲\u00A0A\r\n04 keep.Mp3\r\n" + root.u16string() +
                                u"\r\nx\u00A0y\r\np\rq\nr";
    EXPECT_EQ(text1(), list);
    press(control<QPushButton>("Command4"), Qt::Key_Return);
    EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    EXPECT_EQ(text1(), u"");
    EXPECT_EQ(extension->text(), QString());
}

// Another program copies just before the tool's copy, later than any event
// this window has seen, and another within a millisecond after it: no
// hindrance. One that holds the clipboard is reported, and the list stays.
TEST_F(WindowTest, AProgramThatCopiedJustBeforeOrAfterIsNoHindranceButOneHoldingTheClipboardIsReported) {
    QProcess xclip, follower, hog;
    QGuiApplication::clipboard()->setText(QStringLiteral("ours"));
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    xclip.write("x");
    xclip.waitForBytesWritten();
    xclip.closeWriteChannel();
    for (int waited = 0; ClipboardOwnedHere() && waited < 5000; waited += 10)
        QThread::msleep(10);
    const auto peer = [](QProcess& process, const char* mode) {
        process.start(QStringLiteral(TAVROSK_X11_PEER), {QLatin1String(mode)});
        return process.waitForStarted() && process.waitForReadyRead();
    };
    ASSERT_TRUE(peer(follower, "follower"));
    form->state().text1.setText(u"my list\r\n");
    click("Command4");
    EXPECT_EQ(text1(), u"");
    // The follower's copy may land after the click is done.
    QByteArray after;
    for (int tries = 0; tries < 50 && (after = clipboardFromOtherProcess()) != "after"; ++tries)
        QThread::msleep(20);
    EXPECT_EQ(after, QByteArray("after"));
    follower.kill();

    ASSERT_TRUE(peer(hog, "hog"));
    form->state().text1.setText(u"my list\r\n");
    click("Command4");
    EXPECT_NE(takeFailure().find(u"クリップボード"), std::u16string::npos);
    EXPECT_EQ(text1(), u"my list\r\n");
    hog.kill();
    hog.waitForFinished();
    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray("my list\r\n"));
}

// Ctrl+Z in either field, or the field's context menu (in Japanese), brings
// back what a command changed, lone CR and LF exactly; either redo key,
// Linux's or Windows', makes the step again. The undo rules themselves are
// UndoableTextField's (tests/unit/ListCommandsTest.cpp).
TEST_F(WindowTest, CtrlZInAFieldBringsBackWhatACommandChanged) {
    auto* edit = control<QPlainTextEdit>("Text1");
    auto* extension = control<QLineEdit>("Text2");
    const std::u16string odd = u"a.mp3\rb.wav\nc";
    form->state().text1.setText(odd);
    QTest::keyClicks(extension, QStringLiteral("ogg"));
    click("Command3");
    QTest::keySequence(edit, QKeySequence::Undo);
    QTest::keySequence(extension, QKeySequence::Undo);
    EXPECT_EQ(text1(), odd);
    EXPECT_EQ(extension->text(), QStringLiteral("ogg"));
    click("Command3");
    ASSERT_TRUE(chooseFromMenu(edit->viewport(), {5, 5}, QStringLiteral("元に戻す")));
    EXPECT_EQ(text1(), odd);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_X);  // read back from the widget
    for (const char* redo : {"Ctrl+Shift+Z", "Ctrl+Y"}) {
        QTest::keySequence(edit, QKeySequence::Undo);
        EXPECT_EQ(text1(), odd) << redo;
        QTest::keySequence(edit, QKeySequence(QLatin1String(redo)));
        EXPECT_EQ(text1(), odd + u"x") << redo;
    }
}

// The entries run the rules of tests/unit/TrackNumbersTest.cpp; here, that
// they are offered, in Japanese, on the user's own selection, and that a slow
// read of the tags can be cancelled.
TEST_F(WindowTest, ContextMenusAppendTheTagsTitlesAndTakeTrackNumbersOff) {
    for (const char* name : {"01 a.mp3", "02 b.mp3", "c.mp3"})
        makeFile(name);
    titles.titles = {{"01 a.mp3", u"夜明けのスキャット"}, {"02 b.mp3", u"unselected"}};
    open(root);
    auto* file1 = control<QListView>("File1");
    const QString fromTags = QStringLiteral("タグの曲名を追加(&T)");
    EXPECT_FALSE(chooseFromMenu(file1->viewport(), {5, 5}, fromTags)) << "offered with nothing selected";

    // The user's own selection counts: a click, a Ctrl-click, and a right
    // click on a selected row keeps it.
    const QPoint a = file1->visualRect(file1->model()->index(0, 0)).center();
    const QPoint c = file1->visualRect(file1->model()->index(2, 0)).center();
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, a);
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, Qt::ControlModifier, c);
    QTest::mouseClick(file1->viewport(), Qt::RightButton, {}, c);
    ASSERT_TRUE(chooseFromMenu(file1->viewport(), c, fromTags));
    EXPECT_EQ(text1(), u"夜明けのスキャット\r\nc.mp3\r\n");
    click("Command2");
    const std::u16string listed = u"夜明けのスキャット\r\nc.mp3\r\na.mp3\r\nc.mp3\r\n";
    ASSERT_TRUE(chooseFromMenu(control<QPlainTextEdit>("Text1")->viewport(), {5, 5}, QStringLiteral("行頭の番号を削除(&N)")));
    EXPECT_EQ(text1(), listed);

    // A slow read shows its progress; キャンセル appends nothing.
    titles.delay = std::chrono::milliseconds(400);
    QString shown;
    QTimer::singleShot(800, [&] {
        if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
            auto* cancel = dialog->findChild<QPushButton*>();
            shown = dialog->labelText() + u'|' + cancel->text();
            cancel->click();
        }
    });
    ASSERT_TRUE(chooseFromMenu(file1->viewport(), a, fromTags));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    EXPECT_TRUE(shown.endsWith(QStringLiteral(" / 2|キャンセル"))) << shown.toStdString();
    EXPECT_EQ(text1(), listed);
}

} // namespace
} // namespace tavrosk::test

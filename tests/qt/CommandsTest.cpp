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

// Buttons, typing, and a paste with lone CR and LF, a name with a no-break
// space: stripped and copied, all of it comes out as it went in.
TEST_F(WindowTest, ButtonsAndHandEditsBuildTheListAndTheClipboardHoldsItExactly) {
    for (const char* name : {"01 Intro.mp3", "02 Song.WAV", "03 曲\u00A0A.ogg", "04 keep.Mp3"})
        makeFile(name);
    open(root);
    auto* edit = control<QPlainTextEdit>("Text1");
    click("Command1");
    EXPECT_EQ(fileNames(true).size(), 4);
    click("Command2");
    click("Command6");
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, u"x\u00A0y.wav"_qs);
    QTest::keyClick(edit, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(u"p\rq.mid\nr"_qs);
    QTest::keySequence(edit, QKeySequence::Paste);
    QTest::keyClicks(control<QLineEdit>("Text2"), QStringLiteral("ogg"));
    click("Command5");
    const std::u16string list = u"01 Intro\r\n02 Song\r\n03 曲\u00A0A\r\n04 keep.Mp3\r\n" + root.u16string() +
                                u"\r\nx\u00A0y\r\np\rq\nr";
    EXPECT_EQ(text1(), list);
    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    EXPECT_EQ(text1(), u"");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), QString());
}

TEST_F(WindowTest, AProgramThatCopiedJustBeforeOrAfterIsNoHindranceButOneHoldingTheClipboardIsReported) {
    // Another program copies, later than any event this window has seen.
    const auto anotherCopies = [](QProcess& xclip) {
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        xclip.write("x");
        xclip.waitForBytesWritten();
        xclip.closeWriteChannel();
        for (int waited = 0; ClipboardOwnedHere() && waited < 5000; waited += 10)
            QThread::msleep(10);
    };
    const auto peer = [](QProcess& process, const char* mode) {
        process.start(QStringLiteral(TAVROSK_X11_PEER), {QLatin1String(mode)});
        return process.waitForStarted() && process.waitForReadyRead();
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("ours"));
    QProcess before, again, follower, hog;
    anotherCopies(before);
    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray());

    // And another copies within a millisecond after the tool's copy.
    anotherCopies(again);
    ASSERT_TRUE(peer(follower, "follower"));
    form->state().text1.setText(u"my list\r\n");
    click("Command4");
    EXPECT_EQ(text1(), u"");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray("after"));
    follower.kill();
    follower.waitForFinished();

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

TEST_F(WindowTest, CtrlZInAFieldBringsBackWhatACommandChanged) {
    auto* edit = control<QPlainTextEdit>("Text1");
    auto* extension = control<QLineEdit>("Text2");
    QTest::keyClicks(edit, QStringLiteral("a.ogg"));
    QTest::keyClicks(extension, QStringLiteral("ogg"));
    for (const char* button : {"Command5", "Command6", "Command3", "Command4"}) {
        click(button);
        EXPECT_NE(text1(), u"a.ogg") << button;
        QTest::keySequence(edit, QKeySequence::Undo);
        if (extension->text().isEmpty())
            QTest::keySequence(extension, QKeySequence::Undo);
        EXPECT_EQ(text1(), u"a.ogg") << button;
        EXPECT_EQ(extension->text(), QStringLiteral("ogg")) << button;
    }
    // Lone CR and LF come back exactly, also through the context menu's
    // undo (in Japanese), and either redo key, Linux's or Windows', makes
    // the step again.
    const std::u16string odd = u"a.mp3\rb.wav\nc";
    form->state().text1.setText(odd);
    click("Command3");
    ASSERT_TRUE(chooseFromMenu(edit->viewport(), {5, 5}, QStringLiteral("元に戻す")));
    EXPECT_EQ(text1(), odd);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_X);  // read back from the widget
    for (const char* redo : {"Ctrl+Shift+Z", "Ctrl+Y"}) {
        QTest::keySequence(edit, QKeySequence::Undo);
        QTest::keySequence(edit, QKeySequence(QLatin1String(redo)));
        EXPECT_EQ(text1(), odd + u"x") << redo;
    }
}

TEST_F(WindowTest, ContextMenusAppendTheTagsTitlesAndTakeTrackNumbersOff) {
    for (const char* name : {"01 a.mp3", "02 b.mp3", "c.mp3"})
        makeFile(name);
    titles.titles = {{"01 a.mp3", u"夜明けのスキャット"}, {"02 b.mp3", u"unselected"}};
    open(root);
    auto* file1 = control<QListView>("File1");
    auto* edit = control<QPlainTextEdit>("Text1");
    const QString fromTags = QStringLiteral("タグの曲名を追加(&T)");
    EXPECT_FALSE(chooseFromMenu(file1->viewport(), {5, 5}, fromTags)) << "offered with nothing selected";

    // The user's own selection counts: a click, a Ctrl-click, and a right
    // click on a selected row keeps it.
    const QPoint a = file1->visualRect(file1->model()->index(0, 0)).center();
    const QPoint c = file1->visualRect(file1->model()->index(2, 0)).center();
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, a);
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, Qt::ControlModifier, c);
    QTest::mouseClick(file1->viewport(), Qt::RightButton, {}, c);
    EXPECT_EQ(fileNames(true), QStringList({"01 a.mp3", "c.mp3"}));
    ASSERT_TRUE(chooseFromMenu(file1->viewport(), c, fromTags));
    EXPECT_EQ(text1(), u"夜明けのスキャット\r\nc.mp3\r\n");
    QTest::keySequence(edit, QKeySequence::Undo);
    EXPECT_EQ(text1(), u"") << "one undo step";

    click("Command2");
    ASSERT_TRUE(chooseFromMenu(edit->viewport(), {5, 5}, QStringLiteral("行頭の番号を削除(&N)")));
    EXPECT_EQ(text1(), u"a.mp3\r\nc.mp3\r\n");

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
    EXPECT_EQ(text1(), u"a.mp3\r\nc.mp3\r\n");
}

TEST_F(WindowTest, EnterClicksTheFocusedButtonButNoneFromATextField) {
    const auto press = [](QWidget* widget, Qt::Key key) {
        widget->setFocus();
        QTest::keyClick(widget, key);
    };
    form->state().text1.setText(u"x\r\n");
    press(control<QLineEdit>("Text2"), Qt::Key_Return);
    EXPECT_EQ(text1(), u"x\r\n");
    press(control<QPushButton>("Command3"), Qt::Key_Return);
    EXPECT_EQ(text1(), u"");
    press(control<QPushButton>("Command6"), Qt::Key_Enter);
    const std::u16string path = root.u16string() + u"\r\n";
    EXPECT_EQ(text1(), path);
    auto* edit = control<QPlainTextEdit>("Text1");
    edit->moveCursor(QTextCursor::End);
    press(edit, Qt::Key_Return);
    EXPECT_EQ(text1(), path + u"\r\n");
}

} // namespace
} // namespace tavrosk::test

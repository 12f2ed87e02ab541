#include "WindowFixture.h"

#include "app/qt/MessageBoxReport.h"
#include "app/qt/platform/ClipboardOwner.h"
#include "export/ClipboardExport.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>


namespace tavrosk::test {
namespace {

int selectedRows(QListView* view) { return static_cast<int>(view->selectionModel()->selectedRows().size()); }

// Buttons, typing, and a paste with lone CR and LF, a name with a no-break
// space: stripped and copied, all of it comes out as it went in.
TEST_F(WindowTest, ButtonsAndHandEditsBuildTheListAndTheClipboardHoldsItExactly) {
    for (const char* name : {"01 Intro.mp3", "02 Song.WAV", "03 曲\u00A0A.ogg", "04 keep.Mp3"})
        makeFile(name);
    open(folder());
    auto* view = control<QListView>("File1");
    auto* edit = control<QPlainTextEdit>("Text1");

    click("Command1");
    EXPECT_EQ(selectedRows(view), 4);
    click("Command2");
    click("Command6");
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, u"x\u00A0y.wav"_qs);
    QTest::keyClick(edit, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(u"p\rq.mid\nr"_qs);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(control<QLineEdit>("Text2"), QStringLiteral("ogg"));
    click("Command5");
    const std::u16string list = u"01 Intro\r\n02 Song\r\n03 曲\u00A0A\r\n04 keep.Mp3\r\n" + folder().u16string() +
                                u"\r\nx\u00A0y\r\np\rq\nr";
    EXPECT_EQ(text1(), list);

    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    EXPECT_EQ(text1(), u"");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), QString());

    // The user's own selection counts: a click, then a Ctrl-click.
    click("Command3");
    EXPECT_EQ(selectedRows(view), 0);
    const auto clickRow = [&](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(view->model()->index(row, 0)).center());
    };
    clickRow(3, Qt::NoModifier);
    clickRow(1, Qt::ControlModifier);
    click("Command2");
    EXPECT_EQ(text1(), u"02 Song.WAV\r\n04 keep.Mp3\r\n");
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
    QGuiApplication::clipboard()->setText(QStringLiteral("ours"));
    QProcess other;
    anotherCopies(other);
    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray());

    // And another copies within a millisecond after the tool's copy.
    QProcess again, follower;
    anotherCopies(again);
    follower.start(QStringLiteral(TAVROSK_X11_PEER), {QStringLiteral("follower")});
    ASSERT_TRUE(follower.waitForStarted() && follower.waitForReadyRead());
    form->state().text1.setText(u"my list\r\n");
    click("Command4");
    EXPECT_EQ(text1(), u"");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray("after"));
    follower.kill();
    follower.waitForFinished();

    QProcess hog;
    hog.start(QStringLiteral(TAVROSK_X11_PEER), {QStringLiteral("hog")});
    ASSERT_TRUE(hog.waitForStarted() && hog.waitForReadyRead());
    form->state().text1.setText(u"my list\r\n");

    // The box the user sees, answered by its OK button.
    QString shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->buttons().front()->click();
        }
    });
    answer.start(50);
    MessageBoxReport boxes;
    boxes.setParent(form.get());
    RunCommand(boxes, [&] { CopyListToClipboard(form->state()); });
    EXPECT_TRUE(shown.contains(QStringLiteral("クリップボード"))) << shown.toStdString();
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
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        if (extension->text().isEmpty())
            QTest::keyClick(extension, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(text1(), u"a.ogg") << button;
        EXPECT_EQ(extension->text(), QStringLiteral("ogg")) << button;
    }
    // Lone CR and LF come back exactly, also through the context menu's
    // undo, and redo makes the step again.
    const std::u16string odd = u"a.mp3\rb.wav\nc";
    form->state().text1.setText(odd);
    click("Command3");
    QTimer::singleShot(100, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menu->findChild<QAction*>(QStringLiteral("edit-undo"))->trigger();
            menu->close();
        }
    });
    // A right click lands on the field's viewport.
    QContextMenuEvent ask(QContextMenuEvent::Mouse, {5, 5}, edit->viewport()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(edit->viewport(), &ask);
    EXPECT_EQ(text1(), odd);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_X);  // read back from the widget
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text1(), odd + u"x");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);  // as on Windows
    EXPECT_EQ(text1(), odd + u"x");
}

// Opens the widget's context menu at `at` with a right click and chooses the
// entry of that caption; false when it is not there or not enabled.
bool chooseFromMenu(QWidget* widget, QPoint at, const QString& caption) {
    bool chosen = false;
    QTimer::singleShot(100, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        for (QAction* action : menu ? menu->actions() : QList<QAction*>{})
            if (action->text() == caption && action->isEnabled()) {
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

TEST_F(WindowTest, ContextMenusAppendTheTagsTitlesAndTakeTrackNumbersOff) {
    for (const char* name : {"01 a.mp3", "02 b.mp3", "c.mp3"})
        makeFile(name);
    titles.titles = {{"01 a.mp3", u"夜明けのスキャット"}, {"02 b.mp3", u"unselected"}};
    form->state().file1.setPath(root);
    QCoreApplication::processEvents();
    auto* file1 = control<QListView>("File1");
    auto* edit = control<QPlainTextEdit>("Text1");
    const QString fromTags = QStringLiteral("タグの曲名を追加(&T)");
    EXPECT_FALSE(chooseFromMenu(file1->viewport(), {5, 5}, fromTags)) << "offered with nothing selected";

    const QModelIndex a = file1->model()->index(0, 0), c = file1->model()->index(2, 0);
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, file1->visualRect(a).center());
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, Qt::ControlModifier, file1->visualRect(c).center());
    QTest::mousePress(file1->viewport(), Qt::RightButton, {}, file1->visualRect(c).center());
    QTest::mouseRelease(file1->viewport(), Qt::RightButton, {}, file1->visualRect(c).center());
    EXPECT_EQ(selectedRows(file1), 2) << "a right click on a selected row keeps the selection";
    ASSERT_TRUE(chooseFromMenu(file1->viewport(), file1->visualRect(c).center(), fromTags));
    EXPECT_EQ(text1(), u"夜明けのスキャット\r\nc.mp3\r\n");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text1(), u"") << "one undo step";

    click("Command2");
    ASSERT_TRUE(chooseFromMenu(edit->viewport(), {5, 5}, QStringLiteral("行頭の番号を削除(&N)")));
    EXPECT_EQ(text1(), u"a.mp3\r\nc.mp3\r\n");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text1(), u"01 a.mp3\r\nc.mp3\r\n");

    // A slow read shows its progress; キャンセル appends nothing.
    titles.delay = std::chrono::milliseconds(400);
    QString shown;
    QTimer::singleShot(800, [&] {
        if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
            shown = dialog->labelText();
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("キャンセル"))
                    button->click();
        }
    });
    ASSERT_TRUE(chooseFromMenu(file1->viewport(), file1->visualRect(a).center(), fromTags));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    EXPECT_TRUE(shown.endsWith(QStringLiteral(" / 2"))) << shown.toStdString();
    EXPECT_EQ(text1(), u"01 a.mp3\r\nc.mp3\r\n");
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
    const std::u16string path = folder().u16string() + u"\r\n";
    EXPECT_EQ(text1(), path);
    auto* edit = control<QPlainTextEdit>("Text1");
    edit->moveCursor(QTextCursor::End);
    press(edit, Qt::Key_Return);
    EXPECT_EQ(text1(), path + u"\r\n");
}

} // namespace
} // namespace tavrosk::test

#include "WindowFixture.h"

namespace tavrosk::test {
namespace {

TEST_F(WindowTest, OpeningTheOpenFolderAgainKeepsTheSelection) {
    makeFile("a.mp3");
    makeFile("b.mp3");
    open(folder());
    auto* view = control<QListView>("File1");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 0)).center());

    QTest::keyClick(control<QTreeWidget>("Dir1"), Qt::Key_Return);  // its current row: the open folder
    QCoreApplication::processEvents();

    EXPECT_TRUE(form->state().file1.isSelected(1));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);
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

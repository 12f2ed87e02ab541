#include "WindowFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace tavrosk::test {
namespace {

TEST_F(WindowTest, OpeningTheOpenFolderAgainKeepsTheSelection) {
    makeFile(QStringLiteral("a.mp3"));
    makeFile(QStringLiteral("b.mp3"));
    form->state().file1.setPath(folder().toStdU16String());
    auto* view = control<QListView>("File1");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 0)).center());

    QTest::keyClick(control<QTreeWidget>("Dir1"), Qt::Key_Return);  // its current row: the open folder
    QCoreApplication::processEvents();

    EXPECT_TRUE(form->state().file1.isSelected(1));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);
}

} // namespace
} // namespace tavrosk::test

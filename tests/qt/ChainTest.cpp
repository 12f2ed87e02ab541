#include "WindowFixture.h"

#include <QComboBox>
#include <QMimeData>
#include <QScopeGuard>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrosk::test {
namespace {

// Opens a folder of the folder list as the user does: its row, then Enter.
void openRow(QTreeWidget* dir1, const QString& text) {
    const auto found = dir1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    dir1->setCurrentItem(found.first());
    QTest::keyClick(dir1, Qt::Key_Return);
}

// The file list in natural order, without hidden or special entries; the
// folder list without hidden folders, its rows opened with Enter. A folder
// that went away is said, and the tree chooses the open folder's row again
// (which folder stays open is the folder list's rule, in
// tests/unit/NavigationRulesTest.cpp).
TEST_F(WindowTest, TheListsShowWhatCanBeOpenedAndAFolderThatWentAwayIsReported) {
    for (const char* name : {"10 x.mp3", "2 x.mp3", "1 x.mp3", "B.wav", "a.wav", ".hidden.mp3", "two\nlines.wav",
                             "アルバム/01 曲.mp3", "gone/a.mp3", ".git/config"})
        makeFile(name);
    std::filesystem::create_symlink(root / "a.wav", root / "link to a.wav");
    std::filesystem::create_symlink(root / "missing", root / "dangling.wav");
    ASSERT_EQ(mkfifo((root / "pipe").c_str(), 0600), 0);
    open(root);
    EXPECT_EQ(fileNames(), QStringList({"1 x.mp3", "2 x.mp3", "10 x.mp3", "a.wav", "B.wav", "link to a.wav",
                                        "two␊lines.wav"}));
    auto* dir1 = control<QTreeWidget>("Dir1");
    EXPECT_TRUE(dir1->findItems(QStringLiteral(".git"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    openRow(dir1, QStringLiteral("アルバム"));
    EXPECT_EQ(form->state().dir1.path(), root / "アルバム");
    EXPECT_EQ(fileNames(), QStringList({"01 曲.mp3"}));

    open(root);
    std::filesystem::remove_all(root / "gone");
    openRow(dir1, QStringLiteral("gone"));
    EXPECT_NE(takeFailure().find((root / "gone").u16string()), std::u16string::npos);
    EXPECT_EQ(dir1->currentItem()->text(0).toStdString(), root.filename().string());

    // Every row of a deep folder is readable and tells its path.
    const std::string deep = "深い階層のフォルダ/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17/18/19/20/最後のフォルダ";
    makeFile(QByteArray::fromStdString(deep + "/サブフォルダ/x.mp3"));
    open(root / deep);
    QTreeWidgetItem* last = dir1->findItems(QStringLiteral("サブフォルダ"), Qt::MatchExactly | Qt::MatchRecursive).at(0);
    const QRect row = dir1->visualItemRect(last);
    // Room for more than the name, past an indent of a few levels.
    EXPECT_LT(row.left() + dir1->fontMetrics().horizontalAdvance(last->text(0)) + 40, dir1->viewport()->width());
    EXPECT_EQ(last->toolTip(0).toStdString(), (root / deep / "サブフォルダ").string());
}

// The drive list, opened, lists a volume mounted after the start (a bind
// mount under /media, which needs root) and no pseudo file system; a pick
// opens the volume, and opened again the list shows the open folder's
// drive. What a failed pick shows is the core's rule
// (tests/unit/NavigationRulesTest.cpp).
TEST_F(WindowTest, TheDriveListFollowsTheVolumesAndTheOpenFolder) {
    makeFile("usb/曲.mp3");
    const std::filesystem::path usb = "/media/tavrosk-usb-" + std::to_string(getpid());
    std::error_code ignored;
    std::filesystem::create_directories(usb, ignored);
    const auto unmount = qScopeGuard([&] {
        ::umount(usb.c_str());
        std::filesystem::remove(usb, ignored);
    });
    if (::mount((root / "usb").c_str(), usb.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "mounting a test volume needs root";
    auto* drive1 = control<QComboBox>("Drive1");
    const auto listed = [&](const std::filesystem::path& root) {
        return drive1->findData(QString::fromStdString(root)) >= 0;
    };
    const auto openTheList = [&] {
        QTest::mouseClick(drive1, Qt::LeftButton);
        drive1->hidePopup();
    };
    EXPECT_FALSE(listed(usb));
    openTheList();
    EXPECT_TRUE(listed("/") && listed(usb));
    for (const char* pseudo : {"/proc", "/sys", "/dev", "/dev/shm", "/run"})
        EXPECT_FALSE(listed(pseudo)) << pseudo;

    const int index = drive1->findData(QString::fromStdString(usb));
    drive1->setCurrentIndex(index);
    emit drive1->activated(index);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->state().dir1.path(), usb);
    EXPECT_EQ(fileNames(), QStringList({"曲.mp3"}));
    // Opened again, the list shows the open folder's drive, whatever it showed.
    drive1->setCurrentIndex(0);
    openTheList();
    EXPECT_EQ(drive1->currentData().toString(), QString::fromStdString(usb));
}

// Delivers a drop, as Qt does for a drag from another program with Shift
// held, which asks for a move; returns whether the window took it.
bool drop(QWidget* target, const std::string& uriList) {
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), QByteArray::fromStdString(uriList));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    // Never a move: the file manager would delete what it sent.
    EXPECT_TRUE(!dropped.isAccepted() || dropped.dropAction() == Qt::CopyAction);
    return enter.isAccepted() && dropped.isAccepted();
}

// What a drop opens is the core's rule (as the start arguments are), as is
// the failure it reports; here, that the window takes a file drop anywhere,
// by bytes (bad/ holds two names that both show as "\uFFFD.mp3").
TEST_F(WindowTest, DroppedFilesOpenTheirFolderWithThemSelected) {
    for (const char* file : {"bad/\xFF.mp3", "bad/\xFE.mp3"})
        makeFile(file);
    for (QWidget* target : {static_cast<QWidget*>(form.get()), control<QPlainTextEdit>("Text1")->viewport()}) {
        open(root);
        EXPECT_FALSE(drop(target, "https://example.org/bad/a.mp3\r\n"));
        EXPECT_TRUE(drop(target, "file://" + root.string() + "/bad/%FF.mp3"));
        EXPECT_EQ(form->state().dir1.path(), root / "bad");
        EXPECT_EQ(fileNames(true), QStringList({"\xEF\xBF\xBD.mp3"}));
    }
    EXPECT_EQ(text1(), u"");
}

} // namespace
} // namespace tavrosk::test

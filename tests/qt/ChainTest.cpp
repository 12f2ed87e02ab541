#include "WindowFixture.h"

#include <QComboBox>
#include <QMimeData>

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

TEST_F(WindowTest, FilesListInNaturalOrderWithoutHiddenOrSpecialEntries) {
    for (const char* name : {"10 x.mp3", "2 x.mp3", "1 x.mp3", "B.wav", "a.wav", ".hidden.mp3", "two\nlines.wav",
                             "sub/inside.mp3", ".git/config"})
        makeFile(name);
    std::filesystem::create_symlink(root / "a.wav", root / "link to a.wav");
    std::filesystem::create_symlink(root / "missing", root / "dangling.wav");
    ASSERT_EQ(mkfifo((root / "pipe").c_str(), 0600), 0);

    open(root);

    EXPECT_EQ(fileNames(), QStringList({"1 x.mp3", "2 x.mp3", "10 x.mp3", "a.wav", "B.wav", "link to a.wav",
                                        "two␊lines.wav"}));
    auto* dir1 = control<QTreeWidget>("Dir1");
    EXPECT_EQ(dir1->findItems(QStringLiteral("sub"), Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    EXPECT_TRUE(dir1->findItems(QStringLiteral(".git"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
}

// What a failed row leaves open is the folder list's rule
// (tests/unit/NavigationRulesTest.cpp); here, that the tree shows it.
TEST_F(WindowTest, OpeningAFolderMovesTheFileListAndAFolderThatWentAwayIsReported) {
    makeFile("アルバム/01 曲.mp3");
    makeFile("gone/a.mp3");
    open(root);
    auto* dir1 = control<QTreeWidget>("Dir1");
    openRow(dir1, QStringLiteral("アルバム"));
    EXPECT_EQ(form->state().dir1.path(), root / "アルバム");
    EXPECT_EQ(fileNames(), QStringList({"01 曲.mp3"}));

    // The failed folder's row does not stay chosen: the open folder's is.
    open(root);
    std::filesystem::remove_all(root / "gone");
    openRow(dir1, QStringLiteral("gone"));
    EXPECT_NE(takeFailure().find((root / "gone").u16string()), std::u16string::npos);
    EXPECT_EQ(dir1->currentItem()->text(0).toStdString(), root.filename().string());
}

TEST_F(WindowTest, EveryRowOfADeepFolderIsReadableAndTellsItsPath) {
    const std::string deep = "深い階層のフォルダ/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17/18/19/20/最後のフォルダ";
    makeFile(QByteArray::fromStdString(deep + "/サブフォルダ/x.mp3"));
    open(root / deep);
    auto* dir1 = control<QTreeWidget>("Dir1");
    QTreeWidgetItem* last = dir1->findItems(QStringLiteral("サブフォルダ"), Qt::MatchExactly | Qt::MatchRecursive).at(0);
    const QRect row = dir1->visualItemRect(last);
    // Room for more than the name, past an indent of a few levels.
    EXPECT_LT(row.left() + dir1->fontMetrics().horizontalAdvance(last->text(0)) + 40, dir1->viewport()->width());
    EXPECT_EQ(last->toolTip(0).toStdString(), (root / deep / "サブフォルダ").string());
}

// A volume of the test's own: a folder bind-mounted under /media, which
// needs root.
struct TestVolume {
    explicit TestVolume(const std::filesystem::path& source) : source(source) {}
    ~TestVolume() {
        ::umount(root.c_str());
        std::error_code ignored;
        std::filesystem::remove(root, ignored);
    }
    bool mount() {
        std::filesystem::create_directories(root);
        return ::mount(source.c_str(), root.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }
    std::filesystem::path source, root = "/media/tavrosk-usb-" + std::to_string(getpid());
};

// What a failed pick shows is the core's rule (tests/unit/NavigationRulesTest.cpp).
TEST_F(WindowTest, TheDriveListFollowsTheVolumesAndTheOpenFolder) {
    makeFile("usb/曲.mp3");
    TestVolume usb(root / "usb");
    // Mounted after the start: the list shows it once it opens.
    if (!usb.mount())
        GTEST_SKIP() << "mounting a test volume needs root";
    auto* drive1 = control<QComboBox>("Drive1");
    const auto roots = [&] {
        QStringList roots;
        for (int i = 0; i < drive1->count(); ++i)
            roots.push_back(drive1->itemData(i).toString());
        return roots.join(u' ') + u' ';
    };
    const QString usbRoot = QString::fromStdString(usb.root) + u' ';
    EXPECT_FALSE(roots().contains(usbRoot));
    QTest::mouseClick(drive1, Qt::LeftButton);
    drive1->hidePopup();
    EXPECT_TRUE(roots().contains(u"/ ") && roots().contains(usbRoot)) << roots().toStdString();
    for (const char* pseudo : {"/proc ", "/sys ", "/dev ", "/dev/shm ", "/run "})
        EXPECT_FALSE(roots().contains(QLatin1String(pseudo))) << pseudo;

    const QString before = drive1->currentData().toString();
    const int index = drive1->findData(QString::fromStdString(usb.root));
    drive1->setCurrentIndex(index);
    emit drive1->activated(index);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->state().dir1.path(), usb.root);
    EXPECT_EQ(fileNames(), QStringList({"曲.mp3"}));
    // Opened again, the list shows the open folder's drive.
    open(root);
    QTest::mouseClick(drive1, Qt::LeftButton);
    drive1->hidePopup();
    EXPECT_EQ(drive1->currentData().toString(), before);
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

// What a drop opens is the core's rule (as the start arguments are); here,
// that the window takes it anywhere, by bytes (bad/ holds two names that
// both show as "\uFFFD.mp3"), and says what it cannot open.
TEST_F(WindowTest, DroppedFilesOpenTheirFolderWithThemSelected) {
    for (const char* file : {"other/x.mp3", "sub/c.mp3", "bad/\xFF.mp3", "bad/\xFE.mp3"})
        makeFile(file);
    const std::string uri = "file://" + root.string() + "/";
    for (QWidget* target : {static_cast<QWidget*>(form.get()), control<QPlainTextEdit>("Text1")->viewport()}) {
        EXPECT_TRUE(drop(target, uri + "other/x.mp3\r\n" + uri + "sub/c.mp3"));
        EXPECT_EQ(form->state().dir1.path(), root / "other");
        EXPECT_EQ(fileNames(true), QStringList({"x.mp3"}));
        EXPECT_TRUE(drop(target, uri + "bad/%FF.mp3"));
        EXPECT_FALSE(drop(target, "https://example.org/sub/a.mp3\r\n"));
        EXPECT_TRUE(drop(target, uri + "gone%20%E6%9B%B2%F0%9F%8E%B5%FF"));
        EXPECT_NE(takeFailure().find(u"gone 曲\U0001F3B5\uFFFD」"), std::u16string::npos);
        EXPECT_EQ(form->state().dir1.path(), root / "bad");
        EXPECT_EQ(fileNames(true), QStringList({"\xEF\xBF\xBD.mp3"}));
    }
    EXPECT_EQ(text1(), u"");
}

} // namespace
} // namespace tavrosk::test

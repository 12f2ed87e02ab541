#include "WindowFixture.h"

#include <QComboBox>
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

TEST_F(WindowTest, FilesListInNaturalOrderWithoutHiddenOrSpecialEntries) {
    for (const char* name : {"10 x.mp3", "2 x.mp3", "1 x.mp3", "B.wav", "a.wav", ".hidden.mp3", "two\nlines.wav",
                             "sub/inside.mp3", ".git/config"})
        makeFile(name);
    std::filesystem::create_symlink(folder("a.wav"), folder("link to a.wav"));
    std::filesystem::create_symlink(folder("missing"), folder("dangling.wav"));
    ASSERT_EQ(mkfifo(folder("pipe").c_str(), 0600), 0);

    open(folder());

    EXPECT_EQ(fileNames(), QStringList({"1 x.mp3", "2 x.mp3", "10 x.mp3", "a.wav", "B.wav", "link to a.wav",
                                        "two␊lines.wav"}));
    auto* dir1 = control<QTreeWidget>("Dir1");
    EXPECT_EQ(dir1->findItems(QStringLiteral("sub"), Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
    EXPECT_TRUE(dir1->findItems(QStringLiteral(".git"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
}

TEST_F(WindowTest, OpeningAFolderMovesTheFileListAndAFolderThatWentAwayIsReported) {
    makeFile("top.mp3");
    makeFile("アルバム/01 曲.mp3");
    makeFile("gone/a.mp3");
    open(folder());
    click("Command1");
    auto* dir1 = control<QTreeWidget>("Dir1");
    // Its current row is the open folder: opening that changes nothing.
    QTest::keyClick(dir1, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QListView>("File1")->selectionModel()->selectedRows().size(), 1);

    openRow(dir1, QStringLiteral("アルバム"));
    EXPECT_EQ(form->state().dir1.path(), folder("アルバム"));
    EXPECT_EQ(fileNames(), QStringList({"01 曲.mp3"}));
    EXPECT_TRUE(control<QListView>("File1")->selectionModel()->selectedRows().isEmpty());

    open(folder());
    form->state().text1.setText(u"my list\r\n");
    std::filesystem::remove_all(folder("gone"));
    openRow(dir1, QStringLiteral("gone"));
    EXPECT_NE(takeFailure().find(folder("gone").u16string()), std::u16string::npos);
    EXPECT_EQ(form->state().dir1.path(), folder());
    EXPECT_EQ(fileNames(), QStringList({"top.mp3"}));
    EXPECT_EQ(text1(), u"my list\r\n");
}

TEST_F(WindowTest, TheDriveListShowsTheVolumesAndAPickedDriveOpensItsRoot) {
    // A volume of the test's own: a bind mount under /media, which needs root.
    makeFile("usb/曲.mp3");
    const std::filesystem::path usb = "/media/tavrosk-test-" + std::to_string(getpid());
    std::filesystem::create_directories(usb);
    std::error_code ignored;
    const auto atEnd = qScopeGuard([&] {
        ::umount(usb.c_str());
        std::filesystem::remove(usb, ignored);
    });
    if (::mount(folder("usb").c_str(), usb.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "mounting a test volume needs root";
    form->core().start({folder()});
    auto* drive1 = control<QComboBox>("Drive1");
    QStringList roots;
    for (int i = 0; i < drive1->count(); ++i)
        roots.push_back(drive1->itemData(i).toString());
    EXPECT_TRUE(roots.contains(QStringLiteral("/")));
    ASSERT_TRUE(roots.contains(QString::fromStdString(usb)));
    for (const char* pseudo : {"/proc", "/sys", "/dev", "/dev/shm", "/run"})
        EXPECT_FALSE(roots.contains(QLatin1String(pseudo))) << pseudo;

    // Picked by keyboard, which opens each drive passed on the way; returns
    // the folder open before the last step.
    const auto pick = [&](const std::filesystem::path& root) {
        drive1->setFocus();
        const int target = static_cast<int>(roots.indexOf(QString::fromStdString(root)));
        std::filesystem::path before;
        while (drive1->currentIndex() != target) {
            before = form->state().dir1.path();
            QTest::keyClick(drive1, drive1->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        }
        return before;
    };
    pick(usb);
    EXPECT_EQ(form->state().dir1.path(), usb);
    EXPECT_EQ(fileNames(), QStringList({"曲.mp3"}));

    // The medium is taken out: picking it again says so and the lists stay.
    pick("/");
    ASSERT_EQ(::umount(usb.c_str()), 0);
    std::filesystem::remove(usb);
    const std::filesystem::path before = pick(usb);
    EXPECT_NE(takeFailure().find(usb.u16string()), std::u16string::npos);
    EXPECT_EQ(form->state().dir1.path(), before);
}

} // namespace
} // namespace tavrosk::test

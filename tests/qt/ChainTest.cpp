#include "WindowFixture.h"

#include <QComboBox>

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
    auto* dir1 = control<QTreeWidget>("Dir1");
    openRow(dir1, QStringLiteral("アルバム"));
    EXPECT_EQ(form->state().dir1.path(), folder("アルバム"));
    EXPECT_EQ(fileNames(), QStringList({"01 曲.mp3"}));

    // The failed folder's row does not stay chosen: the open folder's is.
    open(folder());
    form->state().text1.setText(u"my list\r\n");
    std::filesystem::remove_all(folder("gone"));
    openRow(dir1, QStringLiteral("gone"));
    EXPECT_NE(takeFailure().find(folder("gone").u16string()), std::u16string::npos);
    EXPECT_EQ(form->state().dir1.path(), folder());
    EXPECT_EQ(dir1->currentItem()->text(0).toStdString(), folder().filename().string());
    EXPECT_EQ(fileNames(), QStringList({"top.mp3"}));
    EXPECT_EQ(text1(), u"my list\r\n");
}

TEST_F(WindowTest, EveryRowOfADeepFolderIsReadableAndTellsItsPath) {
    const std::string deep = "深い階層のフォルダ/2/3/4/5/6/7/8/9/10/11/12/13/14/15/16/17/18/19/20/最後のフォルダ";
    makeFile(QByteArray::fromStdString(deep + "/サブフォルダ/x.mp3"));
    open(folder(deep));
    auto* dir1 = control<QTreeWidget>("Dir1");
    QTreeWidgetItem* last = dir1->findItems(QStringLiteral("サブフォルダ"), Qt::MatchExactly | Qt::MatchRecursive).at(0);
    const QRect row = dir1->visualItemRect(last);
    // Room for more than the name, past an indent of a few levels.
    EXPECT_LT(row.left() + dir1->fontMetrics().horizontalAdvance(last->text(0)) + 40, dir1->viewport()->width());
    EXPECT_EQ(last->toolTip(0).toStdString(), folder(deep + "/サブフォルダ").string());
}

// A volume of the test's own: a bind mount under /media, which needs root.
// A file's mount is a volume that cannot be opened.
struct TestVolume {
    TestVolume(const std::filesystem::path& source, const std::string& name)
        : source(source), root("/media/tavrosk-" + name + "-" + std::to_string(getpid())) {}
    ~TestVolume() { unmount(); }
    bool mount() {
        if (std::filesystem::is_directory(source))
            std::filesystem::create_directories(root);
        else
            std::ofstream{root};
        return ::mount(source.c_str(), root.c_str(), nullptr, MS_BIND, nullptr) == 0;
    }
    void unmount() {
        ::umount(root.c_str());
        std::error_code ignored;
        std::filesystem::remove(root, ignored);
    }
    std::filesystem::path source, root;
};

TEST_F(WindowTest, TheDriveListFollowsTheVolumesAndAFailedPickCanBeMadeAgain) {
    makeFile("usb/曲.mp3");
    makeFile("file");
    TestVolume usb(folder("usb"), "usb"), broken(folder("file"), "broken");
    // Mounted after the start: the list shows it once it opens.
    if (!usb.mount() || !broken.mount())
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
    const auto pick = [&](const std::filesystem::path& root) {
        const int index = drive1->findData(QString::fromStdString(root));
        drive1->setCurrentIndex(index);
        emit drive1->activated(index);
        QCoreApplication::processEvents();
    };
    pick(usb.root);
    EXPECT_EQ(form->state().dir1.path(), usb.root);
    EXPECT_EQ(fileNames(), QStringList({"曲.mp3"}));

    // Taken out while open: the list, opened, shows the nearest folder left.
    usb.unmount();
    QTest::keyClick(drive1, Qt::Key_F4);
    drive1->hidePopup();
    EXPECT_EQ(form->state().dir1.path(), "/media");
    EXPECT_FALSE(roots().contains(usbRoot));

    // A drive that cannot be opened is said, and the list shows the drive
    // still open, so that picking it again tries again.
    open(folder());
    for (int attempt = 0; attempt < 2; ++attempt) {
        pick(broken.root);
        EXPECT_TRUE(takeFailure().starts_with(u"ドライブ「" + broken.root.u16string() + u"」を開けません。"));
        EXPECT_EQ(form->state().dir1.path(), folder());
        EXPECT_EQ(drive1->currentData().toString(), before);
    }
}

} // namespace
} // namespace tavrosk::test

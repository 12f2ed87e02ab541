#include "WindowFixture.h"

#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrosk::test {
namespace {

QTreeWidgetItem* folderItem(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void bindSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST_F(WindowTest, FilesListInNaturalOrderWithoutHiddenOrSpecialFiles) {
    for (const char* name : {"10 x.mp3", "2 x.mp3", "1 x.mp3", "B.wav", "a.wav", ".hidden.mp3", "曲.mid"})
        makeFile(QString::fromUtf8(name));
    QDir(tree.path()).mkdir(QStringLiteral("folder"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.filePath("fifo")).constData(), 0600), 0);
    bindSocket(tree.filePath(QStringLiteral("socket")));
    QFile::link(tree.filePath(QStringLiteral("a.wav")), tree.filePath(QStringLiteral("link to a.wav")));

    form->state().file1.setPath(folder().toStdU16String());

    EXPECT_EQ(fileNames(), QStringList({"1 x.mp3", "2 x.mp3", "10 x.mp3", "a.wav", "B.wav", "link to a.wav", "曲.mid"}));
}

TEST_F(WindowTest, OpeningAFolderMovesTheFileListAndDropsTheSelection) {
    makeFile(QStringLiteral("top.mp3"));
    makeFile(QStringLiteral("アルバム/01 曲.mp3"));
    makeFile(QStringLiteral("アルバム/02 曲.mp3"));
    form->state().dir1.setPath(folder().toStdU16String());
    ASSERT_EQ(fileNames(), QStringList({"top.mp3"}));
    click("Command1");

    auto* dir1 = control<QTreeWidget>("Dir1");
    QTreeWidgetItem* album = folderItem(dir1, QStringLiteral("アルバム"));
    ASSERT_NE(album, nullptr);
    dir1->setCurrentItem(album);
    QTest::keyClick(dir1, Qt::Key_Return);

    EXPECT_EQ(form->state().dir1.path(), std::filesystem::path(folder(QStringLiteral("アルバム")).toStdU16String()));
    EXPECT_EQ(fileNames(), QStringList({"01 曲.mp3", "02 曲.mp3"}));
    EXPECT_TRUE(control<QListView>("File1")->selectionModel()->selectedRows().isEmpty());
    EXPECT_FALSE(form->state().file1.isSelected(0));

    // A path set by code raises the same notification.
    form->state().dir1.setPath(folder().toStdU16String());
    EXPECT_EQ(fileNames(), QStringList({"top.mp3"}));
}

TEST_F(WindowTest, ButtonsBuildTheListAndTheClipboardHoldsItExactly) {
    for (const char* name : {"01 Intro.mp3", "02 Song.WAV", "03 曲.ogg", "04 keep.Mp3"})
        makeFile(QString::fromUtf8(name));
    form->state().file1.setPath(folder().toStdU16String());

    click("Command1");
    EXPECT_EQ(control<QListView>("File1")->selectionModel()->selectedRows().size(), 4);
    click("Command2");
    click("Command6");
    QTest::keyClicks(control<QLineEdit>("Text2"), QStringLiteral("ogg"));
    click("Command5");
    const std::u16string list =
        u"01 Intro\r\n02 Song\r\n03 曲\r\n04 keep.Mp3\r\n" + folder().toStdU16String() + u"\r\n";
    EXPECT_EQ(text1(), list);
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), QStringLiteral("ogg"));

    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(list).toUtf8());
    EXPECT_EQ(text1(), u"");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), QString());

    // A user's own selection counts: Ctrl-click picks single entries.
    auto* view = control<QListView>("File1");
    click("Command3");
    EXPECT_TRUE(view->selectionModel()->selectedRows().isEmpty());
    const auto clickRow = [&](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(view->model()->index(row, 0)).center());
    };
    clickRow(3, Qt::NoModifier);
    clickRow(1, Qt::ControlModifier);
    click("Command2");
    EXPECT_EQ(text1(), u"02 Song.WAV\r\n04 keep.Mp3\r\n");
}

TEST_F(WindowTest, ExportRunsTheSpreadsheetCallsAfterCopying) {
    makeFile(QStringLiteral("0012.mp3"));
    form->state().file1.setPath(folder().toStdU16String());
    click("Command1");
    click("Command2");

    click("Command7");

    EXPECT_EQ(spreadsheet.calls, std::vector<std::string>({"createApplication", "makeVisible", "addWorkbook",
                                                           "addWorksheet", "setName", "keepColumnAAsText", "paste",
                                                           "autoFitColumnA"}));
    EXPECT_EQ(spreadsheet.sheetName, u"タヴロスク");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray("0012.mp3\r\n"));
    EXPECT_EQ(text1(), u"");
}

TEST_F(WindowTest, AFolderThatWentAwayIsReportedAndNothingIsLost) {
    makeFile(QStringLiteral("gone/a.mp3"));
    makeFile(QStringLiteral("b.mp3"));
    form->state().dir1.setPath(folder().toStdU16String());
    form->state().text1.setText(u"my list\r\n");
    auto* dir1 = control<QTreeWidget>("Dir1");
    QTreeWidgetItem* gone = folderItem(dir1, QStringLiteral("gone"));
    ASSERT_NE(gone, nullptr);
    ASSERT_TRUE(QDir(tree.filePath(QStringLiteral("gone"))).removeRecursively());

    dir1->setCurrentItem(gone);
    QTest::keyClick(dir1, Qt::Key_Return);

    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_NE(report.messages[0].find(folder(QStringLiteral("gone")).toStdU16String()), std::u16string::npos);
    report.messages.clear();
    EXPECT_EQ(form->state().dir1.path(), std::filesystem::path(folder().toStdU16String()));
    EXPECT_EQ(fileNames(), QStringList({"b.mp3"}));
    EXPECT_EQ(text1(), u"my list\r\n");

    // The tool goes on: the next command works.
    click("Command6");
    EXPECT_EQ(text1(), u"my list\r\n" + folder().toStdU16String() + u"\r\n");
}

} // namespace
} // namespace tavrosk::test

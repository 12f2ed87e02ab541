#include "WindowFixture.h"

#include <QComboBox>
#include <QListView>
#include <QProcess>
#include <QTreeWidget>

#include <fcntl.h>
#include <unistd.h>

namespace tavrosk::test {
namespace {

// Creates a file whose name is exactly these bytes.
void makeRawFile(const QString& folder, const QByteArray& name) {
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0) << path.constData();
    ::close(fd);
}

TEST_F(WindowTest, ADriveThatCannotBeOpenedShowsButTheListsStay) {
    makeFile(QStringLiteral("a.mp3"));
    form->state().dir1.setPath(folder().toStdU16String());
    auto* drive1 = control<QComboBox>("Drive1");
    drive1->addItem(QStringLiteral("/media/no-medium"), QStringLiteral("/media/no-medium"));

    drive1->setCurrentIndex(drive1->count() - 1);
    emit drive1->activated(drive1->count() - 1);

    EXPECT_EQ(form->state().drive1.drive(), std::filesystem::path("/media/no-medium"));
    EXPECT_EQ(form->state().dir1.path(), std::filesystem::path(folder().toStdU16String()));
    EXPECT_EQ(fileNames(), QStringList({"a.mp3"}));
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_NE(report.messages[0].find(u"/media/no-medium"), std::u16string::npos);
    report.messages.clear();
}

TEST_F(WindowTest, OddFileNamesListAndAppendVisiblyOnOneLineEach) {
    makeRawFile(tree.path(), "bad\xff\xfe.mp3");
    makeRawFile(tree.path(), "two\nlines.wav");
    makeRawFile(tree.path(), "tab\there\r.mid");
    form->state().file1.setPath(folder().toStdU16String());

    const QStringList expected = {u"bad\uFFFD\uFFFD.mp3"_qs, u"tab␉here␍.mid"_qs, u"two␊lines.wav"_qs};
    EXPECT_EQ(fileNames(), expected);
    click("Command1");
    click("Command2");
    EXPECT_EQ(text1(), (expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toStdU16String());
}

TEST_F(WindowTest, FortyThousandFilesAreAllListedAndAppended) {
    const int count = 40000;
    for (int i = 0; i < count; ++i)
        makeRawFile(tree.path(), QByteArray::number(i) + " x.mp3");
    form->state().file1.setPath(folder().toStdU16String());
    ASSERT_EQ(form->state().file1.count(), static_cast<std::size_t>(count));

    click("Command1");
    click("Command2");

    const std::u16string list = text1();
    EXPECT_EQ(std::count(list.begin(), list.end(), u'\n'), count);
    EXPECT_EQ(list.substr(0, 9), u"0 x.mp3\r\n");
    EXPECT_NE(list.find(u"\r\n39999 x.mp3\r\n"), std::u16string::npos);
    EXPECT_EQ(control<QListView>("File1")->selectionModel()->selectedRows().size(), count);
}

TEST_F(WindowTest, AClipboardHeldByAnotherProgramIsReportedAndTheListStays) {
    QProcess hog;
    hog.start(QStringLiteral(TAVROSK_CLIPBOARD_HOG), {});
    ASSERT_TRUE(hog.waitForStarted());
    QTest::qWait(200);
    form->state().text1.setText(u"my list\r\n");

    click("Command4");

    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_NE(report.messages[0].find(u"クリップボード"), std::u16string::npos);
    report.messages.clear();
    EXPECT_EQ(text1(), u"my list\r\n");

    hog.kill();
    hog.waitForFinished();
    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QByteArray("my list\r\n"));
}

TEST_F(WindowTest, TenMegabytesOfListStripAndCopyWhole) {
    std::u16string list;
    for (int i = 0; list.size() < 10'000'000; ++i)
        list += u"曲名 " + QString::number(i).toStdU16String() + u".mp3\r\n";
    form->state().text1.setText(list);
    click("Command5");
    const std::u16string stripped = text1();
    EXPECT_EQ(stripped.size(), list.size() - 4 * std::count(list.begin(), list.end(), u'\n'));

    click("Command4");
    EXPECT_EQ(clipboardFromOtherProcess(), QString::fromStdU16String(stripped).toUtf8());
}

} // namespace
} // namespace tavrosk::test

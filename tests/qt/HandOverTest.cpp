#include "WindowFixture.h"

#include <QMimeData>

namespace tavrosk::test {
namespace {

// The music tree: sub/ and other/ with a few files, and bad/ with two names
// that both show as "�.mp3" and differ only in their (not UTF-8) bytes.
class HandOverTest : public WindowTest {
protected:
    void SetUp() override {
        for (const char* file : {"sub/a.mp3", "sub/b 2.mp3", "sub/c.mp3", "other/x.mp3", "bad/\xFF.mp3", "bad/\xFE.mp3"})
            makeFile(file);
        WindowTest::SetUp();
    }

    // The folder the window shows and the names it has selected.
    void expectShown(const std::string& shown, const QStringList& selected, const std::string& why) {
        EXPECT_EQ(form->state().dir1.path(), folder(shown)) << why;
        QStringList names;
        for (const QModelIndex& index : control<QListView>("File1")->selectionModel()->selectedRows())
            names.push_back(index.data().toString());
        names.sort();
        EXPECT_EQ(names, selected) << why;
    }
};

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
// that the window takes it anywhere, by bytes, and says what it cannot open.
TEST_F(HandOverTest, DroppedFoldersAndFilesOpenWithTheFilesSelected) {
    const std::string uri = "file://" + root.string() + "/";
    for (QWidget* target : {static_cast<QWidget*>(form.get()), control<QPlainTextEdit>("Text1")->viewport()}) {
        EXPECT_TRUE(drop(target, "# two\r\n" + uri + "other/x.mp3\r\n" + uri + "sub/c.mp3"));
        expectShown("other", {"x.mp3"}, "files");
        EXPECT_TRUE(drop(target, uri + "bad/%FF.mp3"));
        expectShown("bad", {"\xEF\xBF\xBD.mp3"}, "name not UTF-8");
        EXPECT_FALSE(drop(target, "https://example.org/sub/a.mp3\r\n"));
        EXPECT_TRUE(drop(target, uri + "gone%20%E6%9B%B2%F0%9F%8E%B5%FF"));
        EXPECT_NE(takeFailure().find(u"gone 曲\U0001F3B5\uFFFD」"), std::u16string::npos);
        expectShown("bad", {"\xEF\xBF\xBD.mp3"}, "not opened");
    }
    EXPECT_EQ(text1(), u"");
}

} // namespace
} // namespace tavrosk::test

#include "WindowFixture.h"

#include "app/StartArguments.h"

#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>

#include <sys/stat.h>

namespace tavrosk::test {

namespace fs = std::filesystem;

// The music tree: sub/ and other/ with a few files, a FIFO, and bad/ with two
// names that both show as "�.mp3" and differ only in their (not UTF-8) bytes.
class HandOverTest : public WindowTest {
protected:
    void SetUp() override {
        for (const char* file : {"sub/a.mp3", "sub/b 2.mp3", "sub/c.mp3", "other/x.mp3", "bad/\xFF.mp3", "bad/\xFE.mp3"})
            makeFile(file);
        ASSERT_EQ(mkfifo((root / "fifo").c_str(), 0600), 0);
        WindowTest::SetUp();
        fs::current_path(root);
    }
    void TearDown() override {
        fs::current_path(startFolder);
        WindowTest::TearDown();
    }
    const fs::path startFolder = fs::current_path();

    // The folder the window shows and the names it has selected.
    void expectShown(const std::string& folder, const QStringList& selected, const std::string& why) {
        EXPECT_EQ(form->state().dir1.path(), folder.empty() ? root : root / folder) << why;
        QStringList names;
        for (const QModelIndex& index : control<QListView>("File1")->selectionModel()->selectedRows())
            names.push_back(index.data().toString());
        names.sort();
        EXPECT_EQ(names, selected) << why;
    }
    std::string uri(const char* relative) { return "file://" + root.string() + "/" + relative; }
};

struct StartCase {
    std::vector<std::string> arguments;
    std::string folder;
    QStringList selected;
    bool reported;
};

TEST_F(HandOverTest, StartsInTheFolderTheArgumentsName) {
    const StartCase cases[] = {
        {{"sub"}, "sub", {}, false},
        {{"sub/b 2.mp3"}, "sub", {"b 2.mp3"}, false},
        {{"sub/c.mp3", "other/x.mp3", (root / "sub/a.mp3").string()}, "sub", {"a.mp3", "c.mp3"}, false},
        {{"bad/\xFF.mp3"}, "bad", {"\xEF\xBF\xBD.mp3"}, false},
        {{}, "", {}, false},
        {{"missing"}, "", {}, true},
        {{"fifo"}, "", {}, true},
    };
    for (const StartCase& c : cases) {
        ShowStartFolder(*form, report, {c.arguments.begin(), c.arguments.end()});
        QCoreApplication::processEvents();
        const std::string why = c.arguments.empty() ? "(none)" : c.arguments.front();
        expectShown(c.folder, c.selected, why);
        EXPECT_EQ(report.messages.size(), c.reported ? 1u : 0u) << why;
        report.messages.clear();
    }
}

// Delivers a drop to that control of the shown window, as Qt does for a drag
// from another program with Shift held, which asks for a move; returns
// whether the window took it.
static bool drop(QWidget* target, const std::string& uriList) {
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

TEST_F(HandOverTest, DroppedFoldersAndFilesOpenWithTheFilesSelected) {
    QWidget* field = control<QPlainTextEdit>("Text1")->viewport();
    for (QWidget* target : {static_cast<QWidget*>(form.get()), field}) {
        EXPECT_TRUE(drop(target, uri("sub") + "\r\n"));
        expectShown("sub", {}, "folder");
        EXPECT_TRUE(drop(target, "# two\r\n" + uri("other/x.mp3") + "\r\n" + uri("sub/c.mp3")));
        expectShown("other", {"x.mp3"}, "files");
        EXPECT_TRUE(drop(target, uri("bad/%FF.mp3")));
        expectShown("bad", {"\xEF\xBF\xBD.mp3"}, "name not UTF-8");
        EXPECT_FALSE(drop(target, "https://example.org/sub/a.mp3\r\n"));
        expectShown("bad", {"\xEF\xBF\xBD.mp3"}, "not a file URI");
        EXPECT_TRUE(drop(target, uri("gone")));
        EXPECT_EQ(report.messages.size(), 1u);
        report.messages.clear();
    }
    EXPECT_EQ(text1(), u"");
}

} // namespace tavrosk::test

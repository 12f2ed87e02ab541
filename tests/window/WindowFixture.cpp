#include "WindowFixture.h"

#include "app/platform/WorkerLongCall.h"
#include "app/platform/Topmost.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QScreen>

namespace tavrosk::test {

std::unique_ptr<SpreadsheetApplication> NotingSpreadsheet::createApplication() {
    calls.push_back("createApplication");
    struct Borrowed final : SpreadsheetApplication {
        explicit Borrowed(NotingSpreadsheet& s) : s(s) {}
        void makeVisible() override { s.makeVisible(); }
        std::unique_ptr<Workbook> addWorkbook() override { return s.addWorkbook(); }
        NotingSpreadsheet& s;
    };
    return std::make_unique<Borrowed>(*this);
}

std::unique_ptr<Workbook> NotingSpreadsheet::addWorkbook() {
    calls.push_back("addWorkbook");
    struct Borrowed final : Workbook {
        explicit Borrowed(NotingSpreadsheet& s) : s(s) {}
        std::unique_ptr<Worksheet> addWorksheet() override { return s.addWorksheet(); }
        NotingSpreadsheet& s;
    };
    return std::make_unique<Borrowed>(*this);
}

std::unique_ptr<Worksheet> NotingSpreadsheet::addWorksheet() {
    calls.push_back("addWorksheet");
    struct Borrowed final : Worksheet {
        explicit Borrowed(NotingSpreadsheet& s) : s(s) {}
        void setName(const std::u16string& name) override { s.setName(name); }
        void keepColumnAAsText() override { s.keepColumnAAsText(); }
        void paste() override { s.paste(); }
        void autoFitColumnA() override { s.autoFitColumnA(); }
        NotingSpreadsheet& s;
    };
    return std::make_unique<Borrowed>(*this);
}

void WindowTest::SetUp() {
    ASSERT_TRUE(tree.isValid());
    longCall = std::make_unique<WorkerLongCall>();
    form = std::make_unique<Form1>(report, spreadsheet, *longCall);
    form->showStartFolder(tree.path().toStdU16String());
    MakeTopmost(*form);
    form->move(form->screen()->availableGeometry().center() - form->rect().center());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void WindowTest::TearDown() {
    form.reset();
    // Tests that expect a failure take its message out of the report.
    EXPECT_TRUE(report.messages.empty()) << "unexpected failure reported";
}

void WindowTest::makeFile(const QString& relativePath) {
    const QString path = tree.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QString WindowTest::folder(const QString& relative) const {
    return relative.isEmpty() ? QDir(tree.path()).absolutePath() : QDir(tree.filePath(relative)).absolutePath();
}

void WindowTest::click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    QCoreApplication::processEvents();
}

QStringList WindowTest::fileNames() {
    QStringList names;
    const QAbstractItemModel* model = control<QListView>("File1")->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names.push_back(model->index(row, 0).data().toString());
    return names;
}

} // namespace tavrosk::test

#include "WindowFixture.h"

#include "app/platform/WorkerLongCall.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QPushButton>

#include <fstream>

namespace tavrosk::test {

void WindowTest::SetUp() {
    ASSERT_TRUE(tree.isValid());
    longCall = std::make_unique<WorkerLongCall>();
    form = std::make_unique<Form1>(report, spreadsheet, *longCall);
    form->showStartFolder(root);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void WindowTest::TearDown() {
    form.reset();
    std::filesystem::remove_all(root);  // QTemporaryDir leaves names that are not UTF-8
    EXPECT_TRUE(report.messages.empty()) << "unexpected failure reported";
}

void WindowTest::makeFile(const QByteArray& relativePath) {
    const std::filesystem::path path = root / relativePath.toStdString();
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(std::ofstream(path)) << path;
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

std::u16string WindowTest::takeFailure() {
    EXPECT_EQ(report.messages.size(), 1u);
    const std::u16string message = report.messages.empty() ? u"" : report.messages.front();
    report.messages.clear();
    return message;
}

} // namespace tavrosk::test

#pragma once

#include "app/qt/Form1.h"
#include "app/qt/platform/WorkerLongCall.h"
#include "app/qt/platform/WorkerSteps.h"
#include "tests/ClipboardElsewhere.h"
#include "tests/Fakes.h"

// The window's widget classes, for the tests to find its controls by.
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace tavrosk::test {

using namespace tavrosk::qt;

// The window shown on a temporary folder, with failures recorded and a
// recording spreadsheet application.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.isValid());
        form = std::make_unique<Form1>(report, spreadsheet, longCall, titles, steps);
        form->core().start({root});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        form.reset();
        std::filesystem::remove_all(root);  // QTemporaryDir leaves names that are not UTF-8
        EXPECT_TRUE(report.messages.empty()) << "unexpected failure reported";
    }

    // Creates an empty file, and its folders, whose relative path is these bytes.
    void makeFile(const QByteArray& relativePath) {
        const std::filesystem::path path = root / relativePath.toStdString();
        std::filesystem::create_directories(path.parent_path());
        ASSERT_TRUE(std::ofstream(path)) << path;
    }
    // Opens the folder as the folder list does when the user opens it.
    void open(const std::filesystem::path& path) { form->state().dir1.setPath(path); }

    template <typename Widget>
    Widget* control(const char* name) {
        auto* widget = form->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // The names the file list shows, or only those selected.
    QStringList fileNames(bool selected = false) {
        auto* view = control<QListView>("File1");
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            if (!selected || view->selectionModel()->isRowSelected(row))
                names.push_back(view->model()->index(row, 0).data().toString());
        return names;
    }
    std::u16string text1() { return form->state().text1.text(); }
    // Takes the one failure the test expects out of the report.
    std::u16string takeFailure() {
        EXPECT_EQ(report.messages.size(), 1u);
        const std::u16string message = report.messages.empty() ? u"" : report.messages.front();
        report.messages.clear();
        return message;
    }

    QTemporaryDir tree;
    const std::filesystem::path root = std::filesystem::canonical(tree.path().toStdString());
    RecordingReport report;
    CallLog calls;
    RecordingSpreadsheet spreadsheet{calls};
    WorkerLongCall longCall;
    FakeTitleReader titles;
    WorkerSteps steps;
    std::unique_ptr<Form1> form;
};

} // namespace tavrosk::test

#pragma once

#include "app/Form1.h"
#include "commands/RunCommand.h"
#include "export/LongCall.h"
#include "export/SpreadsheetServer.h"
#include "tests/window/ClipboardElsewhere.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tavrosk::test {

struct RecordingReport final : FailureReport {
    void show(const OperationFailed& failure) override { messages.push_back(failure.userMessage()); }
    std::vector<std::u16string> messages;
};

// A spreadsheet application that only notes which calls it received.
struct NotingSpreadsheet final : SpreadsheetServer, SpreadsheetApplication, Workbook, Worksheet {
    std::unique_ptr<SpreadsheetApplication> createApplication() override;
    void makeVisible() override { calls.push_back("makeVisible"); }
    std::unique_ptr<Workbook> addWorkbook() override;
    std::unique_ptr<Worksheet> addWorksheet() override;
    void setName(const std::u16string& name) override { calls.push_back("setName"); sheetName = name; }
    void keepColumnAAsText() override { calls.push_back("keepColumnAAsText"); }
    void paste() override { calls.push_back("paste"); }
    void autoFitColumnA() override { calls.push_back("autoFitColumnA"); }

    std::vector<std::string> calls;
    std::u16string sheetName;
};

// A shown window on a temporary folder tree, with failures recorded.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates a file (with its folders) under the temporary tree.
    void makeFile(const QString& relativePath);
    QString folder(const QString& relative = {}) const;

    template <typename Widget>
    Widget* control(const char* name) {
        auto* widget = form->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button);
    QStringList fileNames();
    std::u16string text1() { return form->state().text1.text(); }

    QTemporaryDir tree;
    RecordingReport report;
    NotingSpreadsheet spreadsheet;
    std::unique_ptr<LongCall> longCall;
    std::unique_ptr<Form1> form;
};

} // namespace tavrosk::test

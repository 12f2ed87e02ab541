#pragma once

#include "app/Form1.h"
#include "export/LongCall.h"
#include "tests/ClipboardElsewhere.h"
#include "tests/Fakes.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tavrosk::test {

// The window shown on a temporary folder, with failures recorded and a
// recording spreadsheet application.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates an empty file, and its folders, whose relative path is these bytes.
    void makeFile(const QByteArray& relativePath);
    std::filesystem::path folder(const std::filesystem::path& relative = {}) const {
        return relative.empty() ? root : root / relative;
    }
    // Opens the folder as the folder list does when the user opens it.
    void open(const std::filesystem::path& path) { form->state().dir1.setPath(path); }

    template <typename Widget>
    Widget* control(const char* name) {
        auto* widget = form->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button);
    QStringList fileNames();
    std::u16string text1() { return form->state().text1.text(); }
    // Takes the one failure the test expects out of the report.
    std::u16string takeFailure();

    QTemporaryDir tree;
    const std::filesystem::path root = std::filesystem::canonical(tree.path().toStdString());
    RecordingReport report;
    CallLog calls;
    RecordingSpreadsheet spreadsheet{calls};
    std::unique_ptr<LongCall> longCall;
    std::unique_ptr<Form1> form;
};

} // namespace tavrosk::test

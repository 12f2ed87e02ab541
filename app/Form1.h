#pragma once

#include "app/adapters/DriveListAdapter.h"
#include "app/adapters/FileListAdapter.h"
#include "app/adapters/FolderListAdapter.h"
#include "app/adapters/LineTextField.h"
#include "app/adapters/ListTextField.h"
#include "app/adapters/SystemClipboard.h"
#include "model/FormState.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace tavrosk {

class FailureReport;
class LongCall;
class SpreadsheetServer;

// The tool's one window: eighteen controls at fixed places, bound to the
// commands. Controls are named as the commands name them (Command1, Text1,
// File1, ...), which is also how tests find them.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    Form1(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall);
    ~Form1() override;

    FormState& state() { return *state_; }

    // Shows the start folder in the drive, folder and file lists without
    // running the chain, and selects those of its files; a failure to read
    // it is reported, and then false is returned.
    bool showStartFolder(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& files = {});

    // Opens the folder that paths dropped from a file manager name, as if it
    // had been chosen in the folder list, with the dropped files selected.
    void openDropped(const std::vector<std::filesystem::path>& paths);

private:
    void createControls();
    void placeControls();
    void setTabOrder();
    void bindEvents();
    void bind(QPushButton* button, std::function<void(FormState&)> command);

    FailureReport& report_;
    SpreadsheetServer& spreadsheet_;
    LongCall& longCall_;

    QComboBox* drive1_ = nullptr;
    QTreeWidget* dir1_ = nullptr;
    QListView* file1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command7_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* picture1_ = nullptr;

    // The Qt-side adapters are owned by their widgets.
    ListTextField* listText_ = nullptr;
    std::unique_ptr<LineTextField> extraExtension_;
    DriveListAdapter* drives_ = nullptr;
    FolderListAdapter* folders_ = nullptr;
    FileListAdapter* files_ = nullptr;
    SystemClipboard clipboard_;
    std::unique_ptr<FormState> state_;
};

} // namespace tavrosk

#pragma once

#include "app/qt/adapters/DriveListAdapter.h"
#include "app/qt/adapters/FileListAdapter.h"
#include "app/qt/adapters/FolderListAdapter.h"
#include "app/qt/adapters/LineTextField.h"
#include "app/qt/adapters/ListTextField.h"
#include "app/qt/adapters/NaturalOrder.h"
#include "app/ContextMenus.h"
#include "app/qt/adapters/SystemClipboard.h"
#include "commands/Form1Core.h"

#include <QWidget>

#include <memory>
#include <span>

class QMenu;

namespace tavrosk::qt {

// The tool's one window with Qt: the eighteen controls of the control table
// at their places, each bound to the core through an adapter. Controls are
// named as the table names them (Command1, Text1, File1, ...), which is also
// how tests find them.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    Form1(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall, const TitleReader& titles,
          BackgroundSteps& steps);
    ~Form1() override;

    Form1Core& core() { return *core_; }
    FormState& state() { return core_->state(); }

private:
    void createControls();
    void tieLabels();
    void placeControls();
    void setTabOrder();
    void bindEvents();
    void bindContextMenus();
    // The entries run once the menu has closed, as a button's click would.
    void addEntries(QMenu& menu, std::span<const menus::Entry> entries);

    // The Qt-side adapters are owned by their widgets.
    ListTextField* listText_ = nullptr;
    std::unique_ptr<LineTextField> extraExtension_;
    DriveListAdapter* drives_ = nullptr;
    FolderListAdapter* folders_ = nullptr;
    FileListAdapter* files_ = nullptr;
    SystemClipboard clipboard_;
    NaturalOrder order_;
    std::unique_ptr<Form1Core> core_;
};

} // namespace tavrosk::qt

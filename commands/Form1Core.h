#pragma once

#include "commands/Action.h"
#include "model/BackgroundSteps.h"
#include "model/FormState.h"
#include "model/TitleReader.h"
#include "navigation/ClassicFolderList.h"
#include "navigation/MultiSelectFileList.h"
#include "navigation/SharedFolderRead.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace tavrosk {

class FailureReport;
class LongCall;
class SpreadsheetServer;

// The controls of the window as its toolkit gives them.
struct Form1Controls {
    TextField& text1;
    TextField& text2;
    FileListView& file1;
    FolderListView& dir1;
    DriveList& drive1;
    Clipboard& clipboard;
    const NameOrder& order;
};

// What the window does, written once for both windows: what each action
// runs, the drive, folder and file chain, the start folder and what
// a drop opens. A window binds its toolkit's controls and hands every user
// event here.
//
// Each event runs to its end before the next. One that arrives while another
// runs (a click during an export, which waits on the spreadsheet application
// while the window goes on answering) is dropped: run later, a second export
// would copy the emptied list over the clipboard the first one filled. A
// failure is reported and the tool goes on.
class Form1Core {
public:
    Form1Core(const Form1Controls& controls, FailureReport& report, SpreadsheetServer& spreadsheet,
              LongCall& longCall, const TitleReader& titles, BackgroundSteps& steps);
    Form1Core(const Form1Core&) = delete;
    Form1Core& operator=(const Form1Core&) = delete;

    FormState& state() { return state_; }
    ClassicFolderList& folders() { return folders_; }
    MultiSelectFileList& files() { return files_; }

    // A button's click or a context-menu entry.
    void run(Action action);
    // Whether a context menu offers the action now (titles from the tags
    // only when files are selected).
    bool offers(Action action) const;
    // Any other event of the user's (a drive picked, a folder row opened).
    void handle(std::function<void()> event);
    // An event is running; the window shows the wait cursor.
    bool busy() const { return running_; }
    // The drive list is about to open, or the system's drives have changed:
    // the drives are listed anew and a folder that has gone is left.
    void drivesChanged();

    // Start-up: shows the folder the command line's paths name (a folder, or
    // a file's folder with the given files selected), or the current folder
    // when there are none. A path that cannot be opened is reported, and the
    // current folder shows. Runs no bound operation.
    void start(const std::vector<std::filesystem::path>& arguments);
    // Folders and files dropped on the window open as if chosen in the
    // folder list, with the dropped files selected.
    void drop(const std::vector<std::filesystem::path>& paths);

private:
    bool showStartFolder(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& files);

    FailureReport& report_;
    SpreadsheetServer& spreadsheet_;
    LongCall& longCall_;
    const TitleReader& titles_;
    BackgroundSteps& steps_;
    SharedFolderRead reading_;
    ClassicFolderList folders_;
    MultiSelectFileList files_;
    FormState state_;
    bool running_ = false;
};

} // namespace tavrosk

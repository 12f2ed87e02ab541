#include "commands/Form1Core.h"

#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "commands/RunCommand.h"
#include "commands/TagTitles.h"
#include "commands/TrackNumbers.h"
#include "export/ClipboardExport.h"
#include "export/SpreadsheetExport.h"
#include "navigation/HandedOver.h"
#include "navigation/Navigation.h"

#include <optional>

namespace tavrosk {

Form1Core::Form1Core(const Form1Controls& controls, FailureReport& report, SpreadsheetServer& spreadsheet,
                     LongCall& longCall, const TitleReader& titles, BackgroundSteps& steps)
    : report_(report), spreadsheet_(spreadsheet), longCall_(longCall), titles_(titles), steps_(steps), folders_(controls.dir1, reading_, controls.order),
      files_(controls.file1, reading_, controls.order),
      state_{controls.text1, controls.text2, files_, folders_, controls.drive1, controls.clipboard} {
    // The chain runs inside the event that changed the drive or the folder.
    state_.drive1.changed().subscribe([this] { OnDriveChange(state_); });
    state_.dir1.changed().subscribe([this] { OnFolderChange(state_); });
}

void Form1Core::run(Action action) {
    handle([this, action] {
        switch (action) {
        case Action::SelectAllFiles: return SelectAllFiles(state_);
        case Action::AppendSelectedNames: return AppendSelectedNames(state_);
        case Action::ClearAll: return ClearAll(state_);
        case Action::CopyListToClipboard: return CopyListToClipboard(state_);
        case Action::StripExtensions: return StripExtensions(state_);
        case Action::AppendFolderPath: return AppendFolderPath(state_);
        case Action::ExportToSpreadsheet: return ExportToSpreadsheet(state_, spreadsheet_, longCall_);
        case Action::AppendTitlesFromTags: return AppendTitlesFromTags(state_, titles_, steps_);
        case Action::RemoveTrackNumbers: return RemoveTrackNumbers(state_);
        }
    });
}

bool Form1Core::offers(Action action) const {
    if (action != Action::AppendTitlesFromTags)
        return true;
    for (std::size_t i = 0; i < files_.count(); ++i)
        if (files_.isSelected(i))
            return true;
    return false;
}

void Form1Core::handle(std::function<void()> event) {
    if (running_)
        return;
    running_ = true;
    RunCommand(report_, event);
    reading_.forget();
    running_ = false;
}

void Form1Core::drivesChanged() {
    handle([this] { OnDrivesChanged(state_); });
}

bool Form1Core::showStartFolder(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& files) {
    bool shown = false;
    RunCommand(report_, [&] {
        state_.drive1.showDriveOf(folder);
        folders_.show(folder);
        files_.setPath(folders_.path());
        files_.selectFiles(files);
        shown = true;
    });
    reading_.forget();
    return shown;
}

void Form1Core::start(const std::vector<std::filesystem::path>& arguments) {
    std::optional<FolderToOpen> target;
    if (!arguments.empty())
        RunCommand(report_, [&] {
            try {
                target = FolderToOpenFor(arguments);
            } catch (const OperationFailed& failure) {
                throw OperationFailed(failure.userMessage() + u"\n現在のフォルダで開きます。", failure.cause());
            }
        });
    if (!target || !showStartFolder(target->folder, target->files)) {
        std::error_code error;
        showStartFolder(std::filesystem::current_path(error), {});
    }
}

void Form1Core::drop(const std::vector<std::filesystem::path>& paths) {
    if (paths.empty())
        return;
    handle([this, paths] {
        const FolderToOpen target = FolderToOpenFor(paths);
        // The file list follows through the folder list's change.
        folders_.setPath(target.folder);
        state_.drive1.showDriveOf(folders_.path());
        files_.selectFiles(target.files);
    });
}

} // namespace tavrosk

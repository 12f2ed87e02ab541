#include "navigation/Navigation.h"

#include "model/OperationFailed.h"
#include "navigation/FolderReader.h"
#include "navigation/NameText.h"

namespace tavrosk {

namespace {

bool gone(const std::filesystem::path& path) {
    std::error_code error;
    return StatusOf(path, error).type() == std::filesystem::file_type::not_found;
}

} // namespace

void OnDriveChange(FormState& state) {
    const std::filesystem::path drive = state.drive1.drive();
    try {
        state.dir1.setPath(drive);
    } catch (const OperationFailed& failure) {
        state.drive1.showDriveOf(state.dir1.path());
        throw OperationFailed(u"ドライブ「" + PathText(drive) +
                                  u"」を開けません。\nドライブの準備ができていないか、メディアが入っていません。"
                                  u"メディアを入れてから、もう一度ドライブを選んでください。",
                              failure.cause());
    }
}

void OnFolderChange(FormState& state) {
    state.file1.setPath(state.dir1.path());
}

void OnDrivesChanged(FormState& state) {
    const std::filesystem::path open = state.dir1.path();
    if (!open.empty() && gone(open)) {
        std::filesystem::path there = open;
        while (there != there.root_path() && there.has_relative_path() && gone(there))
            there = there.parent_path();
        std::error_code error;
        state.dir1.setPath(gone(there) ? std::filesystem::current_path(error) : there);
    }
    state.drive1.showDriveOf(state.dir1.path());
}

} // namespace tavrosk

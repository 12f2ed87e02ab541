#include "navigation/Navigation.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace tavrosk::test {
namespace {

// The folder list's notification bound as the window binds it.
void bindFolderChange(FakeForm& form) {
    form.dir1.changed().subscribe([&form] { OnFolderChange(form.state); });
}

TEST(Navigation, DriveChangeMovesTheFolderListWhoseNotificationMovesTheFiles) {
    FakeForm form;
    bindFolderChange(form);
    form.drive1.current = u"/media/usb";

    OnDriveChange(form.state);

    EXPECT_EQ(form.dir1.current, u"/media/usb");
    EXPECT_EQ(form.file1.path, std::filesystem::path(u"/media/usb"));
    EXPECT_EQ(form.log.calls, std::vector<std::string>({"drive1.drive", "dir1.setPath", "dir1.path", "file1.setPath"}));
}

TEST(Navigation, FolderChangeListsTheFolderNowOpen) {
    FakeForm form;
    form.dir1.current = u"/music/空のフォルダ";
    OnFolderChange(form.state);
    EXPECT_EQ(form.file1.path, u"/music/空のフォルダ");
}

TEST(Navigation, FailingFolderSetLeavesTheFilesOnThePreviousFolder) {
    FakeForm form;
    bindFolderChange(form);
    form.dir1.current = form.file1.path = u"/before";
    form.drive1.current = u"/media/cdrom";
    form.log.failAt = 1;

    EXPECT_THROW(OnDriveChange(form.state), OperationFailed);

    EXPECT_EQ(form.file1.path, u"/before");
}

} // namespace
} // namespace tavrosk::test

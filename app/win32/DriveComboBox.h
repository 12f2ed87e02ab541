#pragma once

#include "model/DriveList.h"

#include <windows.h>

#include <vector>

namespace tavrosk::win32 {

// Drive1: a drop-down list of the logical drives, each shown as its letter
// and volume label ("c: [Windows]"). The drive is the drive's root folder.
class DriveComboBox final : public DriveList {
public:
    explicit DriveComboBox(HWND box) : box_(box) {}

    std::filesystem::path drive() const override;
    void showDriveOf(const std::filesystem::path& folder) override;

    // The user's pick (CBN_SELCHANGE).
    void picked();

private:
    HWND box_;
    std::vector<std::filesystem::path> roots_;
    LRESULT current_ = CB_ERR;
};

} // namespace tavrosk::win32

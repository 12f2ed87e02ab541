#pragma once

#include "model/DriveList.h"

#include <QObject>

class QComboBox;
class QStorageInfo;

namespace tavrosk::qt {

// Drive1: the mounted volumes a user would call drives (real file systems
// and removable media), shown with their label where they have one. The
// drive text is the volume's root folder. The window hands the user's
// pick to pick().
class DriveListAdapter final : public QObject, public DriveList {
    Q_OBJECT
public:
    explicit DriveListAdapter(QComboBox& box);

    std::filesystem::path drive() const override;
    void showDriveOf(const std::filesystem::path& folder) override;

    // The user picked the volume at index (QComboBox::activated).
    void pick(int index);

private:
    QComboBox& box_;
    int current_ = -1;
};

// Whether a mounted volume is one a user would pick as a drive: not a
// pseudo, snap, loop or overlay mount.
bool IsUserVolume(const QStorageInfo& volume);

} // namespace tavrosk::qt

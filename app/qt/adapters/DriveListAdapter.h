#pragma once

#include "model/DriveList.h"

#include <QObject>

#include <functional>

class QComboBox;
class QStorageInfo;

namespace tavrosk::qt {

// Drive1: the mounted volumes a user would call drives (real file systems
// and removable media), shown with their label where they have one. The
// drive text is the volume's root folder. The window hands the user's
// pick to pick(). Before the list opens or the keyboard moves in it,
// opening runs, so that the window can have the drives listed anew.
class DriveListAdapter final : public QObject, public DriveList {
    Q_OBJECT
public:
    DriveListAdapter(QComboBox& box, std::function<void()> opening);

    std::filesystem::path drive() const override;
    void showDriveOf(const std::filesystem::path& folder) override;

    // The user picked the volume at index (QComboBox::activated).
    void pick(int index);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox& box_;
    std::function<void()> opening_;
    int current_ = -1;
};

// Whether a mounted volume is one a user would pick as a drive: not a
// pseudo, snap, loop or overlay mount.
bool IsUserVolume(const QStorageInfo& volume);

} // namespace tavrosk::qt

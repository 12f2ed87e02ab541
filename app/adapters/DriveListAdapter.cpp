#include "app/adapters/DriveListAdapter.h"

#include <QComboBox>
#include <QDir>
#include <QStorageInfo>

namespace tavrosk {

bool IsUserVolume(const QStorageInfo& volume) {
    if (!volume.isValid())
        return false;
    const QString root = volume.rootPath();
    if (root == QDir::rootPath())
        return true;
    static const QList<QByteArray> hiddenTypes = {"squashfs", "overlay", "tmpfs", "devtmpfs", "proc", "sysfs",
                                                  "cgroup", "cgroup2", "autofs", "fuse.portal", "nsfs", "tracefs"};
    if (hiddenTypes.contains(volume.fileSystemType()))
        return false;
    static const QStringList hiddenPlaces = {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/var/lib", "/tmp"};
    for (const QString& place : hiddenPlaces)
        if (root == place || root.startsWith(place + QLatin1Char('/')))
            return root.startsWith(QLatin1String("/run/media/"));
    return true;
}

DriveListAdapter::DriveListAdapter(QComboBox& box) : QObject(&box), box_(box) {
    connect(&box_, &QComboBox::activated, this, &DriveListAdapter::picked);
}

std::u16string DriveListAdapter::drive() const {
    return box_.currentData().toString().toStdU16String();
}

void DriveListAdapter::showVolumeOf(const QString& folder) {
    const QString home = QStorageInfo(folder).rootPath();
    box_.clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!IsUserVolume(volume) && volume.rootPath() != home)
            continue;
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        const QString label = volume.name();
        box_.addItem(label.isEmpty() ? root : root + QStringLiteral(" [") + label + QLatin1Char(']'), root);
    }
    current_ = box_.findData(QDir::toNativeSeparators(home));
    box_.setCurrentIndex(current_);
}

void DriveListAdapter::picked(int index) {
    if (index == current_)
        return;
    current_ = index;
    changed().raise();
}

} // namespace tavrosk

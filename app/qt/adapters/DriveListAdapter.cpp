#include "app/qt/adapters/DriveListAdapter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStorageInfo>

#include <utility>

namespace tavrosk::qt {

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

DriveListAdapter::DriveListAdapter(QComboBox& box, std::function<void()> opening)
    : QObject(&box), box_(box), opening_(std::move(opening)) {
    box_.installEventFilter(this);
}

bool DriveListAdapter::eventFilter(QObject* watched, QEvent* event) {
    // Whatever opens the list or moves in it: a click, F4, Alt+Down, Space,
    // the arrow and page keys, Home and End.
    bool opens = event->type() == QEvent::MouseButtonPress;
    if (event->type() == QEvent::KeyPress) {
        static const QList<int> keys = {Qt::Key_F4,       Qt::Key_Space,    Qt::Key_Up,   Qt::Key_Down,
                                        Qt::Key_PageUp,   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        opens = keys.contains(static_cast<QKeyEvent*>(event)->key());
    }
    if (opens)
        opening_();
    return QObject::eventFilter(watched, event);
}

std::filesystem::path DriveListAdapter::drive() const {
    return std::filesystem::path(box_.currentData().toString().toStdU16String());
}

namespace {

// The folder, or its nearest ancestor whose name Qt can hold as text: mount
// points have text names, so the volume found is the same.
QString textualAncestor(std::filesystem::path folder) {
    for (;; folder = folder.parent_path()) {
        const QString text = QFile::decodeName(folder.c_str());
        if (QFile::encodeName(text).toStdString() == folder.native() || folder == folder.root_path())
            return text;
    }
}

} // namespace

void DriveListAdapter::showDriveOf(const std::filesystem::path& folder) {
    const QString home = QStorageInfo(textualAncestor(folder)).rootPath();
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

void DriveListAdapter::pick(int index) {
    if (index == current_)
        return;
    current_ = index;
    changed().raise();
}

} // namespace tavrosk::qt

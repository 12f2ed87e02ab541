#pragma once

#include <QObject>

#include <filesystem>
#include <functional>
#include <vector>

class QWidget;

namespace tavrosk::qt {

// Takes folders and files dropped from a file manager anywhere on a window,
// its text fields included: a drop that carries file:// URIs is handed to
// open as local paths. Other URI lists are refused; any other drop is left
// to the control under it.
class FolderDrop final : public QObject {
    Q_OBJECT
public:
    using Open = std::function<void(const std::vector<std::filesystem::path>&)>;

    // Watches the window and every control on it, so it must come after them.
    FolderDrop(QWidget& window, Open open);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Open open_;
    std::vector<std::filesystem::path> dropped_;
};

} // namespace tavrosk::qt

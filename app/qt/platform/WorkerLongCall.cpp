#include "app/qt/platform/WorkerLongCall.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>

#include <exception>
#include <thread>

namespace tavrosk::qt {
namespace {

// Eats the user's keyboard, mouse and drop input while the tool waits.
class DropUserInput final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void WorkerLongCall::run(const std::function<void()>& call) {
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            call();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    DropUserInput dropping;
    qApp->installEventFilter(&dropping);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loop.exec();
    worker.join();
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(&dropping);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace tavrosk::qt

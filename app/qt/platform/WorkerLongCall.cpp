#include "app/qt/platform/WorkerLongCall.h"

#include <QApplication>
#include <QEventLoop>

#include <exception>
#include <thread>

namespace tavrosk::qt {

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
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    QApplication::restoreOverrideCursor();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace tavrosk::qt

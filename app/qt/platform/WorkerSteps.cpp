#include "app/qt/platform/WorkerSteps.h"

#include "app/ContextMenus.h"
#include "app/qt/QtText.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace tavrosk::qt {

namespace {

constexpr int kQuietMilliseconds = 500;

QString countText(std::size_t done, std::size_t count) {
    return QStringLiteral("%1 / %2").arg(done).arg(count);
}

} // namespace

bool WorkerSteps::run(std::size_t count, const std::function<void(std::size_t)>& step) {
    std::atomic<std::size_t> done = 0;
    std::atomic<bool> cancelled = false, finished = false;
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            for (std::size_t i = 0; i < count && !cancelled; done = ++i)
                step(i);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(kQuietMilliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    if (!finished) {
        QProgressDialog dialog(countText(done, count), ToQString(menus::kCancel), 0, static_cast<int>(count),
                               QApplication::activeWindow());
        dialog.setWindowTitle(ToQString(menus::kReadingTitle));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(0);
        QObject::connect(&dialog, &QProgressDialog::canceled, [&] { cancelled = true; });
        QTimer update;
        QObject::connect(&update, &QTimer::timeout, [&] {
            dialog.setValue(static_cast<int>(done.load()));
            dialog.setLabelText(countText(done, count));
        });
        update.start(100);
        dialog.show();
        loop.exec();
    }
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return !cancelled;
}

} // namespace tavrosk::qt

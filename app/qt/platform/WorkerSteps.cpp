#include "app/qt/platform/WorkerSteps.h"

#include "app/ContextMenus.h"
#include "app/qt/QtText.h"
#include "model/StepsThread.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

namespace tavrosk::qt {

namespace {

constexpr int kQuietMilliseconds = 500;

QString countText(std::size_t done, std::size_t count) {
    return QStringLiteral("%1 / %2").arg(done).arg(count);
}

} // namespace

bool WorkerSteps::run(std::size_t count, const std::function<void(std::size_t)>& step) {
    QEventLoop loop;
    StepsThread steps(count, step, [&] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(kQuietMilliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    if (!steps.ended()) {
        QProgressDialog dialog(countText(steps.done(), count), ToQString(menus::kCancel), 0, static_cast<int>(count),
                               QApplication::activeWindow());
        dialog.setWindowTitle(ToQString(menus::kReadingTitle));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(0);
        QObject::connect(&dialog, &QProgressDialog::canceled, [&] { steps.cancel(); });
        QTimer update;
        QObject::connect(&update, &QTimer::timeout, [&] {
            dialog.setValue(static_cast<int>(steps.done()));
            dialog.setLabelText(countText(steps.done(), count));
        });
        update.start(100);
        dialog.show();
        loop.exec();
    }
    steps.wait();
    return steps.outcome();
}

} // namespace tavrosk::qt

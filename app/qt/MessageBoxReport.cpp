#include "app/qt/MessageBoxReport.h"

#include "app/ControlTable.h"
#include "app/qt/QtText.h"

#include <QMessageBox>
#include <QtDebug>

namespace tavrosk::qt {

void MessageBoxReport::show(const OperationFailed& failure) {
    qWarning().noquote() << "tavrosk:" << QString::fromStdString(failure.cause());
    QMessageBox box(QMessageBox::Warning, ToQString(controls::kWindowTitle),
                    ToQString(failure.userMessage()), QMessageBox::NoButton, parent_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace tavrosk::qt

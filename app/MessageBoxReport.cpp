#include "app/MessageBoxReport.h"

#include <QMessageBox>
#include <QtDebug>

namespace tavrosk {

void MessageBoxReport::show(const OperationFailed& failure) {
    qWarning().noquote() << "tavrosk:" << QString::fromStdString(failure.cause());
    QMessageBox box(QMessageBox::Warning, QStringLiteral("タヴロスク作成支援ツール"),
                    QString::fromStdU16String(failure.userMessage()), QMessageBox::NoButton, parent_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace tavrosk

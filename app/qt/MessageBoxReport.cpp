#include "app/qt/MessageBoxReport.h"

#include "app/Texts.h"
#include "app/qt/QtText.h"

#include <QMessageBox>
#include <QtDebug>

namespace tavrosk::qt {

void MessageBoxReport::show(const OperationFailed& failure) {
    qWarning().noquote() << "tavrosk:" << QString::fromStdString(failure.cause());
    // A failure at start shows the window first, so that the box stands over
    // it rather than alone at the screen's corner.
    if (parent_ && !parent_->isVisible())
        parent_->show();
    QMessageBox box(QMessageBox::Warning, ToQString(texts::kWindowTitle),
                    ToQString(failure.userMessage()), QMessageBox::NoButton, parent_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace tavrosk::qt

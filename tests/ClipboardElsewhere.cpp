#include "tests/ClipboardElsewhere.h"

#include <QCoreApplication>
#include <QProcess>

namespace tavrosk::test {

QByteArray clipboardFromOtherProcess() {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    while (!xclip.waitForFinished(1))
        QCoreApplication::processEvents();
    return xclip.readAllStandardOutput();
}

} // namespace tavrosk::test

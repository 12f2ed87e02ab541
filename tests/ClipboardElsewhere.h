#pragma once

#include <QCoreApplication>
#include <QProcess>

namespace tavrosk::test {

// What another program (xclip) reads from the CLIPBOARD selection, byte for
// byte. The event loop runs meanwhile, so that this process can serve it;
// an xclip that does not start reads as nothing.
inline QByteArray clipboardFromOtherProcess() {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    while (xclip.state() != QProcess::NotRunning && !xclip.waitForFinished(1))
        QCoreApplication::processEvents();
    return xclip.readAllStandardOutput();
}

} // namespace tavrosk::test

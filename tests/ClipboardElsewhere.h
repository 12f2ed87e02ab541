#pragma once

#include <QByteArray>

namespace tavrosk::test {

// What another program (xclip) reads from the CLIPBOARD selection, byte for
// byte. The event loop runs meanwhile, so that this process can serve it.
QByteArray clipboardFromOtherProcess();

} // namespace tavrosk::test

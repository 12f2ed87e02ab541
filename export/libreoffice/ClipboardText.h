#pragma once

#include "export/libreoffice/UnoErrors.h"

#include <com/sun/star/uno/XComponentContext.hpp>

namespace tavrosk::libreoffice {

// The system clipboard's plain text as the office reads it (through its own
// clipboard service, so that its answer is what a paste there would get).
// Throws OperationFailed when the clipboard holds no text.
OUString ReadClipboardText(const css::uno::Reference<css::uno::XComponentContext>& office);

} // namespace tavrosk::libreoffice

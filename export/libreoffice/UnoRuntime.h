#pragma once

#include <com/sun/star/uno/XComponentContext.hpp>

namespace tavrosk::libreoffice {

// This process's own UNO runtime, from which the office is reached. It is
// bootstrapped once per process from the office's unorc, with the office's
// API types added. Throws OperationFailed when it cannot be set up.
css::uno::Reference<css::uno::XComponentContext> LocalContext();

} // namespace tavrosk::libreoffice

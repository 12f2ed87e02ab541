#pragma once

#include "commands/RunCommand.h"

class QWidget;

namespace tavrosk::qt {

// Shows a failure in a Japanese message box over the window, and writes its
// technical cause to the log (standard error).
class MessageBoxReport final : public FailureReport {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const OperationFailed& failure) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace tavrosk::qt

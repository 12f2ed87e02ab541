#pragma once

#include "commands/RunCommand.h"

#include <windows.h>

namespace tavrosk::win32 {

// Shows a failure in a Japanese message box over the window, and writes its
// technical cause to standard error; asks whether to try again.
class MessageBoxReport final : public FailureReport {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    void show(const OperationFailed& failure) override;
    // A question with 再試行 and キャンセル; true for 再試行.
    bool askRetry(const std::u16string& question);

private:
    HWND owner_ = nullptr;
};

} // namespace tavrosk::win32

#pragma once

#include "model/BackgroundSteps.h"

#include <windows.h>

namespace tavrosk::win32 {

// Runs the steps on a worker thread. For the first half second the window's
// thread handles everything but user input; then the owner is disabled and
// a small window shows "n / N" and キャンセル until the steps end.
class ProgressSteps final : public BackgroundSteps {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    bool run(std::size_t count, const std::function<void(std::size_t)>& step) override;

private:
    HWND owner_ = nullptr;
};

} // namespace tavrosk::win32

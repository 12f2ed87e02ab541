#pragma once

#include "model/BackgroundSteps.h"

namespace tavrosk::qt {

// Runs the steps on a worker thread. For the first half second the window's
// thread handles everything but user input, with a busy cursor; then a modal
// progress dialog shows "n / N" and キャンセル until the steps end.
class WorkerSteps final : public BackgroundSteps {
public:
    bool run(std::size_t count, const std::function<void(std::size_t)>& step) override;
};

} // namespace tavrosk::qt

#pragma once

#include <cstddef>
#include <functional>

namespace tavrosk {

// Runs many small steps (one file each) off the window's thread, so the
// window keeps painting; past half a second a window of the platform shows
// "n / N" with a cancel button. User input to the window waits until the
// steps end.
class BackgroundSteps {
public:
    virtual ~BackgroundSteps() = default;
    // Runs step(0) ... step(count - 1) in order and returns true, or false
    // when the user cancelled: the steps not begun then are not run. A
    // step's exception ends the run and is rethrown here.
    virtual bool run(std::size_t count, const std::function<void(std::size_t)>& step) = 0;
};

// Runs every step right away on the calling thread.
class StepsHere final : public BackgroundSteps {
public:
    bool run(std::size_t count, const std::function<void(std::size_t)>& step) override {
        for (std::size_t i = 0; i < count; ++i)
            step(i);
        return true;
    }
};

} // namespace tavrosk

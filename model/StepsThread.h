#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <thread>

namespace tavrosk {

// The working half of a window's BackgroundSteps: runs step(0) ...
// step(count - 1) on a thread of its own until they end or are cancelled,
// then calls `ended` on that thread, for the window's loop to wake up.
class StepsThread {
public:
    StepsThread(std::size_t count, std::function<void(std::size_t)> step, std::function<void()> ended)
        : worker_([this, count, step = std::move(step), ended = std::move(ended)] {
              try {
                  for (std::size_t i = 0; i < count && !cancelled_; done_ = ++i)
                      step(i);
              } catch (...) {
                  failure_ = std::current_exception();
              }
              ended_ = true;
              ended();
          }) {}

    StepsThread(const StepsThread&) = delete;
    StepsThread& operator=(const StepsThread&) = delete;

    // Should the window's own code throw, the steps not begun are dropped.
    ~StepsThread() {
        if (worker_.joinable()) {
            cancel();
            worker_.join();
        }
    }

    std::size_t done() const { return done_; }
    bool ended() const { return ended_; }
    void cancel() { cancelled_ = true; }

    void wait() { worker_.join(); }

    // Once waited for: rethrows a step's exception, else tells whether every
    // step ran.
    bool outcome() const {
        if (failure_)
            std::rethrow_exception(failure_);
        return !cancelled_;
    }

private:
    std::atomic<std::size_t> done_ = 0;
    std::atomic<bool> cancelled_ = false;
    std::atomic<bool> ended_ = false;
    std::exception_ptr failure_;
    std::thread worker_; // last: it starts once everything above is set
};

} // namespace tavrosk

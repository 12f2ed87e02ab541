#pragma once

#include <functional>

namespace tavrosk {

// Runs a call into another program that may take a while. On X11 the tool
// owns the clipboard it has just filled and must keep answering the other
// program's request for it, so the window's thread may not simply block; an
// implementation can run the call on a worker thread while the window keeps
// serving and drops user input. It returns when the call has ended and
// rethrows the call's exception on the calling thread. Objects a call obtains
// are given back within a call (COM's must be, on the thread that got them).
class LongCall {
public:
    virtual ~LongCall() = default;
    virtual void run(const std::function<void()>& call) = 0;
};

// Runs the call right away on the calling thread.
class DirectCall final : public LongCall {
public:
    void run(const std::function<void()>& call) override { call(); }
};

} // namespace tavrosk

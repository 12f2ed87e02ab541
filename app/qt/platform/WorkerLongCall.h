#pragma once

#include "export/LongCall.h"

namespace tavrosk::qt {

// Runs the call on a worker thread while the window's thread goes on
// handling events (so it keeps painting and answering clipboard requests from
// the program being called), with the wait cursor until the call ends. The
// user's input that arrives meanwhile is dropped: run later, a click could
// start a second export that copies the emptied list over the clipboard.
class WorkerLongCall final : public LongCall {
public:
    void run(const std::function<void()>& call) override;
};

} // namespace tavrosk::qt

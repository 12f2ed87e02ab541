#pragma once

#include "export/LongCall.h"

namespace tavrosk::qt {

// Runs the call on a worker thread while the window's thread goes on
// handling events other than user input (so it keeps answering clipboard
// requests from the program being called), with a busy cursor until the call
// ends. User input that arrives meanwhile is delivered afterwards.
class WorkerLongCall final : public LongCall {
public:
    void run(const std::function<void()>& call) override;
};

} // namespace tavrosk::qt

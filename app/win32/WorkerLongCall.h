#pragma once

#include "export/LongCall.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <thread>

namespace tavrosk::win32 {

// Runs each call on a worker thread in a single-threaded COM apartment of its
// own, the same thread for every call, so that the automation objects one
// call obtains can be used and given back by the next. Meanwhile the window's
// thread goes on handling its messages (it paints and answers within a
// moment however long the spreadsheet application takes) but drops the
// user's keyboard and mouse input: a click made while the tool waits must not
// run later. The cursor over the window is the window's to set (the wait
// cursor); it is refreshed when a call begins. A WM_QUIT that arrives
// meanwhile is posted again afterwards.
class WorkerLongCall final : public LongCall {
public:
    WorkerLongCall();  // on the window's thread
    ~WorkerLongCall() override;
    WorkerLongCall(const WorkerLongCall&) = delete;
    WorkerLongCall& operator=(const WorkerLongCall&) = delete;

    void run(const std::function<void()>& call) override;
    // From within a call: runs task on the window's thread (a question in a
    // box over the window) and returns when it has ended.
    void onWindowThread(const std::function<void()>& task);

private:
    void work();

    HWND relay_ = nullptr;  // a message-only window of the window's thread
    HANDLE start_, done_;
    const std::function<void()>* call_ = nullptr;
    std::exception_ptr failure_;
    bool stop_ = false;
    std::thread worker_;
};

// Asks the window under the cursor, if it is one of this thread's, to set the
// cursor again, as a mouse move would.
void RefreshCursor();

} // namespace tavrosk::win32

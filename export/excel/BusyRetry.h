#pragma once

#include <objidl.h>

#include <chrono>
#include <functional>
#include <string>

namespace tavrosk::excel {

// Whether the application turned the call away as busy: it is in a cell's
// edit, a dialog, or still starting (RPC_E_CALL_REJECTED,
// RPC_E_SERVERCALL_RETRYLATER, or its own 0x800AC472).
bool IsBusy(HRESULT result);

// How long a call is tried again while the application says it is busy,
// before the user is asked.
inline constexpr std::chrono::milliseconds kBusyPatience{10000};

// A call the application turns away as busy is tried again with a short
// back-off for kBusyPatience, then the user is asked; on "retry" the same
// call goes on for as long again, on "cancel" it fails.
class BusyRetry {
public:
    // Asks the user whether to try again; true to go on.
    using Question = std::function<bool(const std::u16string& question)>;
    BusyRetry(std::u16string application, Question ask);

    // Runs attempt until it answers anything but busy, or the user gives up;
    // returns the last answer.
    HRESULT call(const std::function<HRESULT()>& attempt) const;

private:
    std::u16string application_;
    Question ask_;
};

// The same patience where COM itself retries: a message filter, registered
// on the calling thread for as long as it lives. Not every COM runtime
// consults one (Wine's does not), so the call site retries too.
class BusyFilter final : public IMessageFilter {
public:
    BusyFilter();
    ~BusyFilter();
    BusyFilter(const BusyFilter&) = delete;
    BusyFilter& operator=(const BusyFilter&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as its registration
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsed, DWORD rejection) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override;

private:
    IMessageFilter* previous_ = nullptr;
    bool registered_ = false;
};

} // namespace tavrosk::excel

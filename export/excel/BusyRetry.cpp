#include "export/excel/BusyRetry.h"

#include <algorithm>
#include <utility>

namespace tavrosk::excel {
namespace {

constexpr HRESULT kExcelBusy = static_cast<HRESULT>(0x800AC472L);

using Clock = std::chrono::steady_clock;

// 50 ms, doubled after each try up to a second.
DWORD backOff(int tries) {
    return static_cast<DWORD>(std::min(50 << std::min(tries, 5), 1000));
}

} // namespace

bool IsBusy(HRESULT result) {
    return result == RPC_E_CALL_REJECTED || result == RPC_E_SERVERCALL_RETRYLATER || result == kExcelBusy;
}

BusyRetry::BusyRetry(std::u16string application, Question ask)
    : application_(std::move(application)), ask_(std::move(ask)) {}

HRESULT BusyRetry::call(const std::function<HRESULT()>& attempt) const {
    const std::u16string& a = application_;
    const std::u16string question = a + u" が応答しません。" + a +
                                    u" で入力中のセルや開いているダイアログを閉じてから［再試行］を押してください。"
                                    u"\n［キャンセル］を押すと中止します。リストはクリップボードにあります。";
    auto since = Clock::now();
    for (int tries = 0;; ++tries) {
        const HRESULT result = attempt();
        if (!IsBusy(result))
            return result;
        if (Clock::now() - since >= kBusyPatience) {
            if (!ask_ || !ask_(question))
                return result;
            since = Clock::now();
            tries = 0;
        }
        Sleep(backOff(tries));
    }
}

BusyFilter::BusyFilter() {
    registered_ = SUCCEEDED(CoRegisterMessageFilter(this, &previous_));
}

BusyFilter::~BusyFilter() {
    if (!registered_)
        return;
    IMessageFilter* ours = nullptr;
    CoRegisterMessageFilter(previous_, &ours);
    if (previous_)
        previous_->Release();
}

HRESULT STDMETHODCALLTYPE BusyFilter::QueryInterface(REFIID iid, void** out) {
    *out = iid == IID_IUnknown || iid == IID_IMessageFilter ? static_cast<IMessageFilter*>(this) : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
}

DWORD STDMETHODCALLTYPE BusyFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE BusyFilter::RetryRejectedCall(HTASK, DWORD elapsed, DWORD rejection) {
    if (rejection != SERVERCALL_RETRYLATER && rejection != SERVERCALL_REJECTED)
        return static_cast<DWORD>(-1);
    if (elapsed >= static_cast<DWORD>(kBusyPatience.count()))
        return static_cast<DWORD>(-1);  // the call site asks the user
    // 100 or more: try again after that many milliseconds.
    return std::clamp<DWORD>(elapsed / 4, 100, 1000);
}

DWORD STDMETHODCALLTYPE BusyFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITDEFPROCESS;
}

} // namespace tavrosk::excel

#pragma once

#include <objbase.h>

namespace tavrosk::excel {

// Enters the calling thread into a single-threaded COM apartment for as long
// as it lives, and leaves it again on destruction. A thread already in one
// (S_FALSE) counts once more and is balanced likewise. A thread already in
// the multithreaded apartment (RPC_E_CHANGED_MODE) keeps it: COM is usable
// there and it is not ours to end. Must be destroyed on the thread that
// created it.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool usable() const noexcept { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
    HRESULT result() const noexcept { return result_; }

private:
    HRESULT result_;
};

} // namespace tavrosk::excel

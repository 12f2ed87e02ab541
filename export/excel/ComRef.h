#pragma once

#include <unknwn.h>

#include <utility>

namespace tavrosk::excel {

// Owns one reference to a COM interface and releases it when it goes.
template <class Interface>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComRef() { reset(); }

    // Takes over a reference the caller already owns (no AddRef).
    static ComRef adopt(Interface* pointer) noexcept {
        ComRef ref;
        ref.pointer_ = pointer;
        return ref;
    }

    Interface* get() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // For an out parameter: drops the current reference and hands out the slot.
    Interface** put() noexcept {
        reset();
        return &pointer_;
    }

private:
    void reset() noexcept {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }

    Interface* pointer_ = nullptr;
};

} // namespace tavrosk::excel

#pragma once

#include "winsupport/core/NonCopyable.h"

#include <objbase.h>

#include <utility>

namespace vr {

// COM initialised for this thread (apartment threaded) for the scope.
class ScopedComInit : NonCopyable {
  public:
    ScopedComInit() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ScopedComInit() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    [[nodiscard]] bool Succeeded() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

// An interface pointer that we hold one reference of.
template <class Interface> class ComPtr : NonCopyable {
  public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComPtr() { Reset(); }
    [[nodiscard]] Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For calls that hand out a new reference (CoCreateInstance, QueryInterface).
    [[nodiscard]] void** PutVoid() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void Reset() {
        if (pointer_) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }

  private:
    Interface* pointer_ = nullptr;
};

} // namespace vr

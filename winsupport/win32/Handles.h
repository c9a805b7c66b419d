#pragma once

#include "winsupport/core/NonCopyable.h"

#include <windows.h>

#include <utility>

namespace vr {

// Owners of the platform's handles: each releases its handle once, on every
// path, when it goes out of scope.

// A kernel handle (file, event, thread, mutex, snapshot). Both null and
// INVALID_HANDLE_VALUE count as no handle.
class UniqueHandle : NonCopyable {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    [[nodiscard]] bool IsValid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE Get() const { return handle_; }
    [[nodiscard]] HANDLE Release() { return std::exchange(handle_, nullptr); }
    void Reset(HANDLE handle = nullptr) {
        if (IsValid()) {
            CloseHandle(handle_);
        }
        handle_ = handle;
    }

  private:
    HANDLE handle_ = nullptr;
};

// A device context of a window (or of the screen, for null).
class ScopedGetDc : NonCopyable {
  public:
    explicit ScopedGetDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    [[nodiscard]] HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around the painting of one WM_PAINT.
class ScopedPaint : NonCopyable {
  public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    [[nodiscard]] HDC Get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context.
class ScopedMemoryDc : NonCopyable {
  public:
    explicit ScopedMemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDc() {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    [[nodiscard]] HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

// A GDI object of ours (pen, brush, font, bitmap), deleted at the end.
template <class Object> class GdiObject : NonCopyable {
  public:
    GdiObject() = default;
    explicit GdiObject(Object object) : object_(object) {}
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        Reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    ~GdiObject() { Reset(); }
    [[nodiscard]] Object Get() const { return object_; }
    void Reset(Object object = nullptr) {
        if (object_) {
            DeleteObject(object_);
        }
        object_ = object;
    }

  private:
    Object object_ = nullptr;
};

// An object selected into a device context, the previous one selected back
// at the end (so that the object can be deleted after).
class SelectedObject : NonCopyable {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GlobalLock of a memory block; Get() is null when the lock failed.
class GlobalLockGuard : NonCopyable {
  public:
    explicit GlobalLockGuard(HGLOBAL memory)
        : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockGuard() {
        if (data_) {
            GlobalUnlock(memory_);
        }
    }
    [[nodiscard]] void* Get() const { return data_; }
    [[nodiscard]] SIZE_T Size() const { return data_ ? GlobalSize(memory_) : 0; }

  private:
    HGLOBAL memory_;
    void* data_;
};

} // namespace vr

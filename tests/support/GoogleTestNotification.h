#pragma once

// GoogleTest's one-shot thread start signal, over a Win32 event. The
// framework builds its own on std::mutex and std::condition_variable, which
// the win32 thread model of mingw-w64's C++ library does not have; that
// model keeps the pthread emulation out of the shipped programs. GoogleTest
// takes a Notification defined before its own headers when
// GTEST_HAS_NOTIFICATION_ is set (its hook for Abseil's).
#include <windows.h>

namespace testing::internal {

class Notification {
  public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() {
        if (event_ != nullptr) {
            CloseHandle(event_);
        }
    }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

  private:
    HANDLE event_;
};

} // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1

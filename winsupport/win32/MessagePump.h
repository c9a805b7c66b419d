#pragma once

#include "winsupport/core/Clock.h"

#include <windows.h>

namespace vr {

// Handles the messages waiting for this thread, then returns. A WM_QUIT is
// posted again so that the message loop still sees it. With a dialog-like
// window, its keyboard navigation (Tab, Enter, Esc) is applied first.
void PumpPendingMessages(HWND dialogWindow = nullptr);

// The real clock: GetTickCount, Sleep and the pump above.
class Win32Clock final : public Clock {
  public:
    [[nodiscard]] std::uint32_t GetTickCount() override { return ::GetTickCount(); }
    void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
    void PumpMessages() override { PumpPendingMessages(); }
};

} // namespace vr

#pragma once

#include "winsupport/core/NonCopyable.h"

#include <cstdint>

namespace vr {

// Time, pauses and the message pump: what a bounded retry needs, and the
// only way the programs wait.
class Clock : NonCopyable {
  public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual std::uint32_t GetTickCount() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Handles the messages waiting for this thread's windows, then returns.
    virtual void PumpMessages() = 0;
};

} // namespace vr

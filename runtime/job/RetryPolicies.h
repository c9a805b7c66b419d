#pragma once

#include "winsupport/core/RetryBounded.h"

#include <cstdint>

namespace vr {

// How long a window, cursor or input call is retried before the job gives
// up on it: long enough for a busy desktop, short enough that a call that
// can never succeed does not hang the tool.
inline constexpr std::uint32_t kRetryBoundMs = 3000;
inline constexpr RetryPolicy kRetryWithoutPump{BetweenAttempts::Nothing, kRetryBoundMs, 5};
inline constexpr RetryPolicy kRetryWithPump{BetweenAttempts::Pump, kRetryBoundMs, 5};
// The restored cursor position read back before the next run may start.
inline constexpr RetryPolicy kCursorReadBack{BetweenAttempts::Pump, 500, 5};

} // namespace vr

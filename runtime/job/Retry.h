#pragma once

#include "platform/Desktop.h"

#include <functional>

namespace vr {

// How long a window, cursor, input or clipboard call is retried before the
// job gives up on it: long enough for a busy desktop, short enough that a
// call that can never succeed does not hang the tool.
inline constexpr std::uint32_t kRetryBoundMs = 3000;
inline constexpr std::uint32_t kClipboardBoundMs = 1000;

enum class BetweenAttempts { Nothing, Pump };

// Calls attempt until it reports success or the bound runs out; pumps the
// tool's messages after each failed attempt when asked to. False when the
// bound ran out.
[[nodiscard]] bool RetryBounded(Desktop& desktop, BetweenAttempts between,
                                const std::function<bool()>& attempt,
                                std::uint32_t boundMs = kRetryBoundMs);

} // namespace vr

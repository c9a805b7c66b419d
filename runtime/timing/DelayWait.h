#pragma once

#include "platform/Desktop.h"
#include "platform/Services.h"
#include "startup/Failure.h"

#include <cstdint>

namespace vr {

inline constexpr int kShortWait = 7;
inline constexpr int kLongWait = 12;

// Sleeps delayFactor x units milliseconds. The product is formed in signed
// 16-bit arithmetic as the pacing has always been; a product that does not
// fit is an error and nothing is slept.
[[nodiscard]] Outcome DelayWait(Desktop& desktop, std::int16_t delayFactor, int units);

} // namespace vr

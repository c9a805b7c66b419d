#pragma once

#include "timing/DelayFactor.h"
#include "winsupport/core/Clock.h"

#include <cstdint>

namespace vr {

inline constexpr int kShortWait = 7;
inline constexpr int kLongWait = 12;

// Every factor the entry sequence accepts keeps the longest wait within the
// signed 16 bits in which the pacing has always been formed.
static_assert(kMaxDelayFactor * kLongWait <= 32767);

// Sleeps delayFactor x units milliseconds; processes no messages meanwhile.
// A factor outside kMinDelayFactor..kMaxDelayFactor is taken as the
// nearest one inside.
void DelayWait(Clock& clock, std::int16_t delayFactor, int units);

} // namespace vr

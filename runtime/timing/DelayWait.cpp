#include "timing/DelayWait.h"

#include <algorithm>

namespace vr {

void DelayWait(Clock& clock, std::int16_t delayFactor, int units) {
    const std::int32_t factor =
        std::clamp<std::int32_t>(delayFactor, kMinDelayFactor, kMaxDelayFactor);
    clock.Sleep(static_cast<std::uint32_t>(factor * units));
}

} // namespace vr

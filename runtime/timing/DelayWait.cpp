#include "timing/DelayWait.h"

#include "startup/RuntimeMessages.h"

namespace vr {

Outcome DelayWait(Desktop& desktop, std::int16_t delayFactor, int units) {
    const std::int32_t product = static_cast<std::int32_t>(delayFactor) * units;
    if (product < -32768 || product > 32767) {
        return Failure{WaitOverflowMessage(delayFactor, units)};
    }
    // Widened with its sign, as the platform's Sleep takes it.
    desktop.Sleep(static_cast<std::uint32_t>(product));
    return kSucceeded;
}

} // namespace vr

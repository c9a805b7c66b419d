#pragma once

#include "winsupport/core/Clock.h"

#include <cstdint>

namespace vr {

enum class BetweenAttempts { Nothing, Pump };

// How an operation that the platform may refuse for a moment is retried.
struct RetryPolicy {
    BetweenAttempts between = BetweenAttempts::Nothing;
    // How long attempts go on before the caller gives up.
    std::uint32_t boundMs = 3000;
    // The sleep after a failed attempt (and its pump): a little, so that a
    // call that keeps failing never keeps a core busy for the whole bound.
    std::uint32_t pauseMs = 5;
};

// Calls attempt until it reports success or the bound runs out; after each
// failed attempt pumps messages when the policy says so, then pauses. False when
// the bound ran out. Header-only, so that the attempt is called directly.
template <class Attempt>
[[nodiscard]] bool RetryBounded(Clock& clock, const RetryPolicy& policy, Attempt&& attempt) {
    const std::uint32_t start = clock.GetTickCount();
    for (;;) {
        if (attempt()) {
            return true;
        }
        if (policy.between == BetweenAttempts::Pump) {
            clock.PumpMessages();
        }
        if (clock.GetTickCount() - start >= policy.boundMs) {
            return false;
        }
        if (policy.pauseMs > 0) {
            clock.Sleep(policy.pauseMs);
        }
    }
}

} // namespace vr

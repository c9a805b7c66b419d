#include "job/Retry.h"

namespace vr {

bool RetryBounded(Desktop& desktop, BetweenAttempts between, const std::function<bool()>& attempt,
                  std::uint32_t boundMs) {
    const std::uint32_t start = desktop.GetTickCount();
    for (;;) {
        if (attempt()) {
            return true;
        }
        if (between == BetweenAttempts::Pump) {
            desktop.PumpMessages();
        }
        if (desktop.GetTickCount() - start >= boundMs) {
            return false;
        }
    }
}

} // namespace vr

#pragma once

#include "winsupport/core/RetryBounded.h"

namespace vr {

// Another program may hold the clipboard open for a moment: opening it is
// retried for a second, with short pauses, before the caller gives up.
inline constexpr RetryPolicy kClipboardOpenRetry{BetweenAttempts::Nothing, 1000, 10};

// open() until it succeeds or the bound runs out; false when it ran out.
template <class Open> [[nodiscard]] bool OpenClipboardRetrying(Clock& clock, Open&& open) {
    return RetryBounded(clock, kClipboardOpenRetry, open);
}

} // namespace vr

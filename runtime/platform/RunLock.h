#pragma once

#include "winsupport/core/NonCopyable.h"

#include <cstdint>

namespace vr {

enum class RunLockResult { Acquired, TimedOut };

// The lock that keeps two tool runs of the set from overlapping: both drive
// the one desktop, and pinmark and labelpen share go.lsp.
class RunLock : NonCopyable {
  public:
    virtual ~RunLock() = default;
    [[nodiscard]] virtual RunLockResult AcquireRunLock(std::uint32_t timeoutMs) = 0;
    // Releases the lock if this process holds it.
    virtual void ReleaseRunLock() = 0;
};

} // namespace vr

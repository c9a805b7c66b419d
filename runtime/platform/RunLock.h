#pragma once

#include "winsupport/core/NonCopyable.h"

#include <cstdint>

namespace vr {

// Unavailable: the lock itself could not be made (the system refused the
// named mutex); nothing says that another tool is at work.
enum class RunLockResult { Acquired, TimedOut, Unavailable };

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

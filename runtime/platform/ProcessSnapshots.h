#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

#include <vector>

namespace vr {

// The Tool Help snapshots, each taken, walked and closed in one call.
class ProcessSnapshots : NonCopyable {
  public:
    virtual ~ProcessSnapshots() = default;
    [[nodiscard]] virtual std::vector<ProcessRecord> ProcessSnapshot() = 0;
    [[nodiscard]] virtual std::vector<ThreadRecord> ThreadSnapshot() = 0;
};

} // namespace vr

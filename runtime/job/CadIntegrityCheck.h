#pragma once

#include "outcome/Status.h"
#include "platform/ProcessIntegrity.h"
#include "text/Text.h"

#include <cstdint>

namespace vr {

// Stops the run before the desktop is touched when the CAD process runs at
// a higher integrity level than the tool (started as administrator): the
// platform would drop the click and the keys without a word. Where either
// level cannot be read, the run goes on.
[[nodiscard]] Status CheckCadIntegrity(ProcessIntegrity& integrity, std::uint32_t processId,
                                       TextView acadName);

} // namespace vr

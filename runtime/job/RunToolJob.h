#pragma once

#include "startup/ToolRun.h"

namespace vr {

// Step 1 of every job: SettingsFolder and ToolSettings from ZuDuv.ini.
[[nodiscard]] Outcome LoadSettingsStep(ToolRun& run);

// The job of a tool process. So far it loads the settings; discovery and the
// focus, click and paste sequence follow it.
[[nodiscard]] Outcome RunToolJob(ToolRun& run);

} // namespace vr

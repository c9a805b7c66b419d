#pragma once

#include "startup/ToolRun.h"

#include <functional>

namespace vr {

inline constexpr std::uint32_t kRunLockTimeoutMs = 10000;

// What makes one tool's job its own.
struct ToolJobPlan {
    // Writes the tool's script file once the CAD has been clicked; empty for
    // a tool without one.
    std::function<Outcome(ToolRun&)> toolStep;
    // The text pasted into the CAD command line (ANSI code page).
    Text loadCommand;
    // Empty the clipboard again after the paste (and wait once more).
    bool emptyClipboardAfterPaste = true;
};

// Step 1 of every job: SettingsFolder and ToolSettings from ZuDuv.ini.
[[nodiscard]] Outcome LoadSettingsStep(ToolRun& run);

// The job of a tool process: settings, discovery, raising and clicking the
// CAD, the tool step, the paste, and the desktop put back as it was. A job
// that stops part-way puts the desktop back first, then reports.
[[nodiscard]] Outcome RunToolJob(ToolRun& run, const ToolJobPlan& plan);

// The load command for a file name without folder or extension: escape,
// (load "name"), CR LF.
[[nodiscard]] Text LoadCommandFor(TextView name);

} // namespace vr

#pragma once

#include "job/ToolJobPlan.h"
#include "job/ToolRun.h"

namespace vr {

inline constexpr std::uint32_t kRunLockTimeoutMs = 10000;
// How long the CAD may take to answer before the job leaves it alone.
inline constexpr std::uint32_t kCadAnswerTimeoutMs = 2000;

// Step 1 of every job: SettingsFolder and ToolSettings from ZuDuv.ini.
[[nodiscard]] Status LoadSettingsStep(ToolRun& run);

// The job of a tool process: settings, discovery, raising and clicking the
// CAD, the tool step, the paste, and the desktop put back as it was. A job
// that stops part-way puts the desktop back first. The run lock is released
// before the job returns, so that no other tool waits while this one's
// message is showing.
[[nodiscard]] Status RunToolJob(ToolRun& run, const ToolJobPlan& plan);

// The lock that keeps tool runs apart, waited for (bounded): nothing when it
// is held, otherwise the stop to report: another tool at work when the wait
// ran out, an unexpected error when the lock could not be made at all.
[[nodiscard]] Status TakeRunLock(RunLock& lock);

} // namespace vr

#pragma once

#include "job/ToolJobPlan.h"
#include "job/ToolRun.h"

#include <functional>
#include <variant>

namespace vr {

using ToolJob = std::function<Status(ToolRun&)>;

// The entry sequence of a tool: a step of the tool's own that comes first
// (gaugeread's request; none for the others), then delay.dat into the delay
// factor (on any failure one message and the default), then the job once. A
// failure is reported once, after the job has put the desktop back. Returns
// the process exit code: kPastedExitCode when the job succeeded, the code of
// the failure's kind (ExitCodeOf) when it stopped.
[[nodiscard]] int RunEntrySequence(ToolRun& run, const ToolJob& job,
                                   const ToolJob& beforeDelay = nullptr);

// A tool's plan, or what stopped the tool before it had one (a command line
// it cannot use).
using ToolPlanOrFailure = std::variant<ToolJobPlan, Failure>;

// The plan's request file beside the program, when it has one, written
// under the run lock, which the job then keeps.
[[nodiscard]] Status WriteRequestFile(ToolRun& run, const ToolJobPlan& plan);

// The plan's script built from the tool's input, then the job, which writes
// the script at its tool step. A bad input stops before the job starts.
[[nodiscard]] Status RunPlannedJob(ToolRun& run, const ToolJobPlan& plan);

// The entry sequence of a tool with its plan: the request file first, then
// delay.dat, then RunPlannedJob.
[[nodiscard]] int RunToolProgram(ToolRun& run, const ToolPlanOrFailure& plan);

} // namespace vr

#pragma once

#include "job/ToolJobPlan.h"
#include "job/ToolRun.h"

#include <functional>
#include <variant>

namespace vr {

// A tool's plan as its program knows it at start, or what stopped the tool
// before it had one (a command line it cannot use).
using ToolPlanOrFailure = std::variant<ToolJobPlan, Failure>;

// pinmark's and labelpen's script, read and checked from their input file
// beside the program once delay.dat has been read.
using ScriptReader =
    std::function<std::variant<ToolOutputFile, Failure>(FileAccess& files, TextView programFolder)>;

// The entry sequence of a tool: the program folder checked, the plan's
// request written (gaugeread), delay.dat into the delay factor (on any
// failure one message and the default), the script read into the plan when
// the tool has one, then the job once with the whole plan. A stop is
// reported once, after the job has put the desktop back. Returns the
// process exit code: kPastedExitCode when the job pasted its load command,
// the code of the stop's kind (ExitCodeOf) otherwise.
[[nodiscard]] int RunToolProgram(ToolRun& run, const ToolPlanOrFailure& plan,
                                 const ScriptReader& readScript = nullptr);

} // namespace vr

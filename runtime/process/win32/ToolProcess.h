#pragma once

#include "process/EntrySequence.h"

namespace vr {

// A tool's whole process: the entry sequence with the Win32 services, then
// the process ends at once, without tearing down windows the job created.
[[noreturn]] void RunToolProcess(TextView toolName, const ToolPlanOrFailure& plan,
                                 const ScriptReader& readScript = nullptr);

// The process's command line as the platform hands it over.
[[nodiscard]] Text ProcessCommandLine();

} // namespace vr

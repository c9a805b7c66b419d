#pragma once

#include "startup/ToolRun.h"

namespace vr {

// The program folder of the running executable.
[[nodiscard]] Text RunningProgramFolder();

// A tool's whole process: the entry sequence with the Win32 services, then
// the process ends at once, without tearing down windows the job created.
[[noreturn]] void RunToolProcess(TextView toolName, const ToolJob& job,
                                 const ToolJob& beforeDelay = nullptr);

// The process's command line as the platform hands it over.
[[nodiscard]] Text ProcessCommandLine();

} // namespace vr

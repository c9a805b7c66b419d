#include "TextPlacementScript.h"
#include "job/RunToolJob.h"
#include "platform/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const vr::ToolJobPlan plan{vr::labelpen::WriteTextPlacementScript, vr::LoadCommandFor(u"go"),
                               true};
    vr::RunToolProcess(u"labelpen", [&](vr::ToolRun& run) { return vr::RunToolJob(run, plan); });
}

#include "PointLineScript.h"
#include "job/RunToolJob.h"
#include "platform/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const vr::ToolJobPlan plan{vr::pinmark::WritePointLineScript, vr::pinmark::PinmarkLoadCommand(),
                               true};
    vr::RunToolProcess(u"pinmark", [&](vr::ToolRun& run) { return vr::RunToolJob(run, plan); });
}

#include "DimensionRequest.h"
#include "job/RunToolJob.h"
#include "platform/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const vr::Text commandLine = vr::ProcessCommandLine();
    vr::gaugeread::Request request;
    // The request is written before anything else; the job then pastes the
    // load command of the routine it asks for and leaves it on the clipboard.
    const auto writeRequest = [&](vr::ToolRun& run) {
        return vr::gaugeread::WriteRequest(run, commandLine, request);
    };
    const auto job = [&](vr::ToolRun& run) {
        const vr::ToolJobPlan plan{
            nullptr, vr::LoadCommandFor(vr::gaugeread::RoutineFor(request.expression)), false};
        return vr::RunToolJob(run, plan);
    };
    vr::RunToolProcess(u"gaugeread", job, writeRequest);
}

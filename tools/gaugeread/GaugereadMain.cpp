#include "job/RunToolJob.h"
#include "platform/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // So far this tool runs its start-up and loads its settings; its job
    // with the CAD follows.
    vr::RunToolProcess(u"gaugeread", vr::LoadSettingsStep);
}

#include "DimensionRequest.h"
#include "process/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vr::RunToolProcess(u"gaugeread", vr::gaugeread::GaugereadPlan(vr::ProcessCommandLine()));
}

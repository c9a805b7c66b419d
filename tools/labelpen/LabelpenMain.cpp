#include "TextPlacementScript.h"
#include "process/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vr::RunToolProcess(u"labelpen", vr::ToolJobPlan{.loadCommand = vr::LoadCommandFor(u"go")},
                       vr::labelpen::BuildTextPlacementScript);
}

#include "PointLineScript.h"
#include "process/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vr::RunToolProcess(u"pinmark", vr::ToolJobPlan{.loadCommand = vr::LoadCommandFor(u"go")},
                       vr::pinmark::BuildPointLineScript);
}

#include "job/RunToolJob.h"
#include "platform/win32/ToolProcess.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vr::RunToolProcess(u"gaugeread", vr::RunToolJob);
}

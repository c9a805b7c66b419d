// setupkit: installs the tool set into a folder the user chooses.
#include "SetupkitRun.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    return vr::setup::RunSetupkit(show);
}

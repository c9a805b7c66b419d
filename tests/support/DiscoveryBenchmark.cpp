// discovery_benchmark FOLDER [ROUNDS]: times DiscoverCadInstances with the
// settings of FOLDER\ZuDuv.ini against the CADs running now. Prints the
// first discovery (which creates the hidden window and runs its load step,
// a discovery of its own) and the mean of the later ones, in milliseconds.
#include "discovery/DiscoverCadInstances.h"
#include "job/RunToolJob.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileAccess.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32ProfileAccess.h"
#include "window/win32/FrmMain.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: discovery_benchmark FOLDER [ROUNDS]\n", stderr);
        return 2;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
    const std::string folder = argv[1];
    vr::Win32DesktopServices desktop;
    vr::Win32FileAccess files;
    vr::Win32ProfileAccess profiles;
    vr::Win32MessageBoxes messages;
    vr::FrmMain mainWindow;
    vr::ToolRun run{vr::ToolServices{desktop.Services(), files, profiles, messages, mainWindow},
                    u"benchmark", vr::Text(folder.begin(), folder.end())};
    if (!vr::LoadSettingsStep(run).ok()) {
        std::fputs("settings could not be read\n", stderr);
        return 1;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    vr::DiscoverCadInstances(run.services.desktop, run.settings, run.discovery, run.window);
    QueryPerformanceCounter(&end);
    const double first =
        1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i) {
        vr::DiscoverCadInstances(run.services.desktop, run.settings, run.discovery, run.window);
    }
    QueryPerformanceCounter(&end);
    const double later =
        1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) / rounds;
    std::printf("{\"cads\":%d,\"firstMs\":%.2f,\"laterMeanMs\":%.2f}\n",
                mainWindow.cmbFileName().Count(), first, later);
    return 0;
}

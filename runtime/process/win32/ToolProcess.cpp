#include "process/win32/ToolProcess.h"

#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileAccess.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32ProfileAccess.h"
#include "window/win32/FrmMain.h"
#include "winsupport/win32/ProgramFolder.h"
#include "winsupport/win32/WideText.h"

#include <windows.h>

namespace vr {

Text ProcessCommandLine() {
    const wchar_t* commandLine = GetCommandLineW();
    return FromWide(commandLine, wcslen(commandLine));
}

void RunToolProcess(TextView toolName, const ToolPlanOrFailure& plan) {
    Win32DesktopServices desktop;
    Win32FileAccess files;
    Win32ProfileAccess profiles;
    Win32MessageBoxes messages;
    FrmMain mainWindow;
    ToolRun run{ToolServices{desktop.Services(), files, profiles, messages, mainWindow},
                Text(toolName), RunningProgramFolder()};
    // Hidden in a tool run, but a command that reaches it still acts on
    // this run's CAD.
    mainWindow.Attach(run.window);
    const int exitCode = RunToolProgram(run, plan);
    ExitProcess(static_cast<UINT>(exitCode));
}

} // namespace vr

#include "process/win32/ToolProcess.h"

#include "messages/ToolMessages.h"
#include "outcome/StopKind.h"
#include "platform/win32/LastResort.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileAccess.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32ProfileAccess.h"
#include "window/win32/FrmMain.h"
#include "winsupport/win32/ProgramFolder.h"
#include "winsupport/win32/WideText.h"

#include <windows.h>

#include <new>

namespace vr {

Text ProcessCommandLine() {
    const wchar_t* commandLine = GetCommandLineW();
    return FromWide(commandLine, wcslen(commandLine));
}

namespace {

// Whatever escapes the job (which puts the desktop back itself) ends the run
// with a message and a failure exit code, never a silent crash.
int RunCatchingFaults(ToolRun& run, const ToolPlanOrFailure& plan, const ScriptReader& readScript) {
    TextView what;
    try {
        return RunToolProgram(run, plan, readScript);
    } catch (const std::bad_alloc&) {
        what = u"メモリ不足";
    } catch (...) {
        what = u"内部エラー";
    }
    run.services.messages.ShowMessage(run.toolName, UnexpectedStopMessage(what));
    return ExitCodeOf(StopKind::Unexpected);
}

} // namespace

void RunToolProcess(TextView toolName, const ToolPlanOrFailure& plan,
                    const ScriptReader& readScript) {
    // A crash no handler catches still frees the cursor and the CAD's
    // z-order.
    InstallLastResortFilter();
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
    const int exitCode = RunCatchingFaults(run, plan, readScript);
    ExitProcess(static_cast<UINT>(exitCode));
}

} // namespace vr

#include "platform/win32/ToolProcess.h"

#include "platform/win32/FrmMain.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Services.h"
#include "startup/ProgramFolder.h"

#include <windows.h>

#include <vector>

namespace vr {

Text RunningProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return ProgramFolderFromModulePath(FromWide(path.data(), length));
        }
        path.resize(path.size() * 2);
    }
}

Text ProcessCommandLine() {
    const wchar_t* commandLine = GetCommandLineW();
    return FromWide(commandLine, wcslen(commandLine));
}

void RunToolProcess(TextView toolName, const ToolJob& job, const ToolJob& beforeDelay) {
    Win32Desktop desktop;
    Win32FileAccess files;
    Win32ProfileAccess profiles;
    Win32MessageBoxes messages;
    FrmMain mainWindow;
    ToolRun run{ToolServices{desktop, files, profiles, messages, mainWindow}, Text(toolName),
                RunningProgramFolder()};
    const int exitCode = RunEntrySequence(run, job, beforeDelay);
    ExitProcess(static_cast<UINT>(exitCode));
}

} // namespace vr

// vadorariri_window: shows the tools' main window for tests and for a look at
// it. It reads ZuDuv.ini beside itself, creates frmMain (whose load step
// searches for CADs and reads the selected one's command line), shows it and
// runs until the window is closed. With --history2 it also shows the
// selected CAD's history window at once (for screenshots).
#include "job/RunToolJob.h"
#include "messages/WindowMessages.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileAccess.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32ProfileAccess.h"
#include "window/win32/FrmMain.h"
#include "winsupport/win32/ProgramFolder.h"

#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    vr::Win32DesktopServices desktop;
    vr::Win32FileAccess files;
    vr::Win32ProfileAccess profiles;
    vr::Win32MessageBoxes messages;
    vr::FrmMain mainWindow;
    vr::ToolRun run{vr::ToolServices{desktop.Services(), files, profiles, messages, mainWindow},
                    u"VadoRariri", vr::RunningProgramFolder()};
    if (const vr::Status status = vr::LoadSettingsStep(run); !status.ok()) {
        messages.ShowMessage(run.toolName, status.failure().message);
        return 1;
    }
    mainWindow.Attach(run.window);
    mainWindow.QuitWhenClosed();
    try {
        (void)run.window.TouchInstanceList();
    } catch (const vr::MainWindowNotCreated& fault) {
        messages.ShowMessage(run.toolName,
                             vr::WindowNotCreatedMessage(fault.windowName, fault.errorCode));
        return 1;
    }
    mainWindow.Show();
    if (wcsstr(arguments, L"--history2")) {
        run.window.History2();
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow.TakeKeyboardNavigation(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

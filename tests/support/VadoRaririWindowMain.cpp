// vadorariri_window: shows the tools' main window for tests and for a look at
// it. It reads ZuDuv.ini beside itself, creates frmMain (whose load step
// searches for CADs and reads the selected one's command line), shows it and
// runs until the window is closed. With --history2 it also shows the
// selected CAD's history window at once (for screenshots).
#include "discovery/DiscoverCadInstances.h"
#include "job/RunToolJob.h"
#include "platform/win32/FrmMain.h"
#include "platform/win32/ToolProcess.h"
#include "platform/win32/Win32Services.h"
#include "window/MainWindowOperations.h"

#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    vr::Win32Desktop desktop;
    vr::Win32FileAccess files;
    vr::Win32ProfileAccess profiles;
    vr::Win32MessageBoxes messages;
    vr::FrmMain mainWindow;
    vr::ToolRun run{vr::ToolServices{desktop, files, profiles, messages, mainWindow}, u"VadoRariri",
                    vr::RunningProgramFolder()};
    if (const vr::Outcome failed = vr::LoadSettingsStep(run)) {
        messages.ShowMessage(run.toolName, failed->message);
        return 1;
    }
    mainWindow.Attach(run);
    mainWindow.QuitWhenClosed();
    (void)vr::TouchInstanceList(run);
    mainWindow.Show();
    if (wcsstr(arguments, L"--history2")) {
        vr::History2(run);
    }
    HWND window = reinterpret_cast<HWND>(mainWindow.Handle());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsWindow(window) && IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

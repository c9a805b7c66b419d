// Confines the cursor, holds Ctrl down and makes the given window topmost
// through the tools' own seam, then crashes where nothing catches it: the
// tools' last-resort filter must put all three back. Ctrl is pressed as the
// job presses it, with the extended-key flag (the system's right Ctrl).
#include "job/InputEvents.h"
#include "platform/win32/LastResort.h"
#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    vr::InstallLastResortFilter();
    vr::Win32DesktopServices services;
    const vr::Desktop desktop = services.Services();
    const auto window = static_cast<vr::Hwnd>(std::wcstoul(commandLine, nullptr, 16));
    if (window && !desktop.windows.SetWindowPos(window, vr::kHwndTopmost, vr::kSwpNoSizeNoMove)) {
        return 2;
    }
    if (!desktop.cursor.ClipCursor(vr::ScreenRect{10, 10, 50, 50})) {
        return 3;
    }
    if (!vr::SendKeyEvent(desktop, vr::kVirtualKeyControl, false)) {
        return 4;
    }
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    return 0;
}

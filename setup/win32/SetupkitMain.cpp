// setupkit: installs the tool set into a folder the user chooses.
#include "Form1.h"
#include "winsupport/win32/Com.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The folder browser and Shell.Application need COM on this thread.
    const vr::ScopedComInit com;
    if (!com.Succeeded()) {
        return 1;
    }
    HWND form = vr::setup::CreateForm1(instance);
    if (!form) {
        return 1;
    }
    ShowWindow(form, show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(form);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}

#include "SetupkitRun.h"

#include "Form1.h"
#include "SetupMessages.h"
#include "winsupport/win32/Com.h"
#include "winsupport/win32/SystemErrorText.h"
#include "winsupport/win32/WideText.h"

#include <windows.h>

namespace vr::setup {
namespace {

constexpr int kExitFailed = 1;

void ReportFormFailure(DWORD code) {
    std::u16string description = code != ERROR_SUCCESS ? SystemErrorText(code) : u"";
    if (description.empty()) {
        description = kUnknownError;
    }
    MessageBoxW(nullptr, WideZ(FormFailedMessage(code, description)).c_str(),
                WideZ(kProgramTitle).c_str(), MB_OK);
}

int RunMessageLoop(HWND form) {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            return kExitFailed;
        }
        if (!IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace

int RunSetupkit(int show) {
    const ScopedComInit com;
    if (!com.Succeeded()) {
        return kExitFailed;
    }
    Form1 form;
    if (!form.Open()) {
        ReportFormFailure(GetLastError());
        return kExitFailed;
    }
    ShowWindow(form.Handle(), show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(form.Handle());
    return RunMessageLoop(form.Handle());
}

} // namespace vr::setup

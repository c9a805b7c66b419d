#include "window/win32/WindowFailure.h"

#include "messages/WindowMessages.h"
#include "outcome/StopKind.h"
#include "winsupport/win32/WideText.h"

#include <windows.h>

namespace vr {

void ReportWindowNotCreated(TextView windowName) {
    const DWORD error = GetLastError();
    MessageBoxW(nullptr, WideZ(WindowNotCreatedMessage(windowName, error)).c_str(),
                WideZ(windowName).c_str(), MB_OK | MB_SETFOREGROUND);
}

void EndWithWindowNotCreated(TextView windowName) {
    ReportWindowNotCreated(windowName);
    ExitProcess(static_cast<UINT>(ExitCodeOf(StopKind::Unexpected)));
}

} // namespace vr

#include "platform/win32/Win32MessageBoxes.h"

#include "winsupport/win32/WideText.h"

#include <windows.h>

namespace vr {

void Win32MessageBoxes::ShowMessage(TextView caption, TextView text) {
    // The tools have no visible window to own the box. MB_SETFOREGROUND keeps
    // it from opening behind the spreadsheet that started the tool, where it
    // would look like a hang; it changes nothing of the box itself.
    MessageBoxW(nullptr, WideZ(text).c_str(), WideZ(caption).c_str(), MB_OK | MB_SETFOREGROUND);
}

} // namespace vr

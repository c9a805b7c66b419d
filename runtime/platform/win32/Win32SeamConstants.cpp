// The seam's constants are the platform's own values: checked here, where
// <windows.h> is at hand, so that the portable core can never drift from it.
#include "platform/DesktopTypes.h"

#include <windows.h>

#include <tlhelp32.h> // after windows.h, which it needs

namespace vr {

static_assert(kSwpNoSizeNoMove == (SWP_NOSIZE | SWP_NOMOVE));
static_assert(kSwpNoSizeNoMoveShow == (SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW));
static_assert(kSwpNoSizeNoMoveNoActivate == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE));
static_assert(kSwpAsyncWindowPos == SWP_ASYNCWINDOWPOS);
static_assert(kInputMouse == INPUT_MOUSE);
static_assert(kInputKeyboard == INPUT_KEYBOARD);
static_assert(kMouseLeftDown == MOUSEEVENTF_LEFTDOWN);
static_assert(kMouseLeftUp == MOUSEEVENTF_LEFTUP);
static_assert(kKeyExtended == KEYEVENTF_EXTENDEDKEY);
static_assert(kKeyUp == KEYEVENTF_KEYUP);
static_assert(kMapVirtualKeyToScanCode == MAPVK_VK_TO_VSC);
static_assert(kVirtualKeyControl == VK_CONTROL);
static_assert(kVirtualKeyV == 'V');
static_assert(kWmNull == WM_NULL);
static_assert(kWmGetText == WM_GETTEXT);
static_assert(kWmGetTextLength == WM_GETTEXTLENGTH);
static_assert(kWmCommand == WM_COMMAND);
static_assert(sizeof(Hwnd) == sizeof(HWND));
#ifndef _WIN64
// The product is 32-bit: both kinds of input record are passed with the size
// of INPUT, 28 bytes. (A 64-bit build exists only to run the tests where the
// machine cannot run 32-bit programs.)
static_assert(sizeof(INPUT) == 28);
static_assert(sizeof(PROCESSENTRY32) == 296, "the ANSI process record is 296 bytes");
static_assert(sizeof(THREADENTRY32) == 28, "the thread record is 28 bytes");
#endif

} // namespace vr

#include "platform/win32/Win32Desktop.h"

#include "platform/win32/BoundedSend.h"
#include "platform/win32/LastResort.h"
#include "platform/win32/Win32Handles.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace vr {
namespace {

constexpr UINT kTitleReadTimeoutMs = 2000;
// Raising, restoring and the z-order wait on the CAD's thread.
constexpr UINT kWindowCallTimeoutMs = 2000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<Hwnd>*>(list)->push_back(FromHwnd(window));
    return TRUE;
}

// A window of another program: its title as the window manager keeps it,
// read without sending the program a message (as GetWindowText does for
// such windows), so that reading it never waits on the program and a hung
// CAD is read as fast as a live one. Nothing for a window of this process,
// whose title only its own procedure can tell.
std::optional<Text> TitleOfOtherProgram(HWND window) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) == 0 || processId == GetCurrentProcessId()) {
        return std::nullopt;
    }
    std::u16string title(256, u'\0');
    int length = 0;
    for (;;) {
        length = InternalGetWindowText(window, reinterpret_cast<LPWSTR>(title.data()),
                                       static_cast<int>(title.size()));
        if (length < static_cast<int>(title.size()) - 1 || title.size() >= 65536) {
            break;
        }
        title.resize(title.size() * 4); // perhaps cut short: read again with more room
    }
    title.resize(static_cast<std::size_t>(std::max(length, 0)));
    return title;
}

} // namespace

bool Win32WindowControl::IsWindow(Hwnd window) {
    return ::IsWindow(ToHwnd(window)) != FALSE;
}

bool Win32WindowControl::IsIconic(Hwnd window) {
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

bool Win32WindowControl::OpenIcon(Hwnd window) {
    const HWND handle = ToHwnd(window);
    return CallBounded(handle, kWindowCallTimeoutMs,
                       [handle] { return ::OpenIcon(handle) != FALSE; });
}

bool Win32WindowControl::SetForegroundWindow(Hwnd window) {
    const HWND handle = ToHwnd(window);
    return CallBounded(handle, kWindowCallTimeoutMs,
                       [handle] { return ::SetForegroundWindow(handle) != FALSE; });
}

bool Win32WindowControl::GetWindowRect(Hwnd window, ScreenRect& rect) {
    RECT r{};
    const bool ok = ::GetWindowRect(ToHwnd(window), &r) != FALSE;
    rect = ScreenRect{r.left, r.top, r.right, r.bottom};
    return ok;
}

bool Win32WindowControl::SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) {
    const HWND handle = ToHwnd(window);
    const HWND after = ToHwnd(insertAfter);
    const bool topmost = after == HWND_TOPMOST;
    bool done = false;
    if (flags & SWP_ASYNCWINDOWPOS) {
        // Posted to the window's thread: returns at once, even when it hangs.
        done = ::SetWindowPos(handle, after, 0, 0, 0, 0, flags) != FALSE;
    } else {
        done = CallBounded(handle, kWindowCallTimeoutMs, [=] {
            return ::SetWindowPos(handle, after, 0, 0, 0, 0, flags) != FALSE;
        });
    }
    if (done || topmost) {
        NoteTopmostWindow(handle, topmost);
    }
    return done;
}

Hwnd Win32WindowControl::GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

std::uint32_t Win32WindowControl::GetWindowThreadId(Hwnd window) {
    return ::GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

bool Win32WindowControl::IsTopmost(Hwnd window) {
    return (::GetWindowLongW(ToHwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool Win32WindowControl::IsWindowEnabled(Hwnd window) {
    return ::IsWindowEnabled(ToHwnd(window)) != FALSE;
}

Hwnd Win32WindowControl::WindowFromPoint(ScreenPoint point) {
    return FromHwnd(::WindowFromPoint(POINT{point.x, point.y}));
}

bool Win32WindowControl::IsPointOnMonitor(ScreenPoint point) {
    return ::MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONULL) != nullptr;
}

Hwnd Win32WindowControl::GetThreadFocus(std::uint32_t threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(threadId, &info)) {
        return 0;
    }
    return FromHwnd(info.hwndFocus);
}

std::vector<Hwnd> Win32WindowTree::EnumThreadWindows(std::uint32_t threadId) {
    std::vector<Hwnd> windows;
    ::EnumThreadWindows(threadId, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<Hwnd> Win32WindowTree::EnumChildWindows(Hwnd parent) {
    std::vector<Hwnd> windows;
    ::EnumChildWindows(ToHwnd(parent), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The tool's own windows answer the title messages themselves, in their
// wide form; the sends are bounded all the same.
Text Win32WindowTree::GetWindowTitle(Hwnd window) {
    if (auto title = TitleOfOtherProgram(ToHwnd(window))) {
        return std::move(*title);
    }
    Text title;
    if (!GetWideTextBounded(ToHwnd(window), kTitleReadTimeoutMs, title)) {
        return {};
    }
    return title;
}

// Class, owner, parent, ID, visibility and process are kept by the window
// manager itself: none of these calls waits on the window's program.
Bytes Win32WindowTree::GetClassNameA(Hwnd window) {
    char name[257] = {};
    const int length = ::GetClassNameA(ToHwnd(window), name, sizeof name);
    return length > 0 ? Bytes(name, static_cast<std::size_t>(length)) : Bytes();
}

Hwnd Win32WindowTree::GetWindowOwner(Hwnd window) {
    return FromHwnd(::GetWindow(ToHwnd(window), GW_OWNER));
}

Hwnd Win32WindowTree::GetParentWindow(Hwnd window) {
    return FromHwnd(::GetAncestor(ToHwnd(window), GA_PARENT));
}

std::int32_t Win32WindowTree::GetDlgCtrlID(Hwnd window) {
    return ::GetDlgCtrlID(ToHwnd(window));
}

bool Win32WindowTree::IsWindowVisible(Hwnd window) {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

std::uint32_t Win32WindowTree::GetWindowProcessId(Hwnd window) {
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(ToHwnd(window), &processId) == 0) {
        return 0;
    }
    return processId;
}

bool Win32WindowTree::IsChild(Hwnd parent, Hwnd window) {
    return ::IsChild(ToHwnd(parent), ToHwnd(window)) != FALSE;
}

Hwnd Win32WindowMessaging::GetDlgItem(Hwnd parent, std::int32_t id) {
    return FromHwnd(::GetDlgItem(ToHwnd(parent), id));
}

bool Win32WindowMessaging::SendMessageTimeoutA(Hwnd window, std::uint32_t message,
                                               std::uintptr_t wParam, std::intptr_t lParam,
                                               std::uint32_t timeoutMs, std::uintptr_t& result) {
    DWORD_PTR answer = 0;
    bool answered = false;
    if (message == WM_GETTEXT) {
        answered = GetTextBounded(ToHwnd(window), reinterpret_cast<char*>(lParam), wParam,
                                  timeoutMs, answer);
    } else {
        answered = SendBounded(ToHwnd(window), message, wParam, lParam, timeoutMs, answer);
    }
    result = answer;
    return answered;
}

void Win32WindowMessaging::SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) {
    Bytes copy(data); // the record must point at memory that lives through the call
    COPYDATASTRUCT record{dwData, static_cast<DWORD>(copy.size()), copy.data()};
    ::SendMessageA(ToHwnd(window), WM_COPYDATA, 1, reinterpret_cast<LPARAM>(&record));
}

std::intptr_t Win32WindowMessaging::SendMessageA(Hwnd window, std::uint32_t message,
                                                 std::uintptr_t wParam, std::intptr_t lParam) {
    return ::SendMessageA(ToHwnd(window), message, wParam, lParam);
}

bool Win32WindowMessaging::PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    return ::PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

} // namespace vr

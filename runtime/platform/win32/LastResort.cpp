#include "platform/win32/LastResort.h"

#include "outcome/StopKind.h"

#include <atomic>
#include <exception>

namespace vr {
namespace {

// Read by the filter on whatever thread crashed: plain atomics, no locks.
std::atomic<HWND> topmostWindow{nullptr};
std::atomic<bool> cursorConfined{false};
std::atomic<WORD> keysDown[2]{0, 0};
std::atomic<bool> leftButtonDown{false};

void SendKeyUp(WORD virtualKey) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(INPUT));
}

LONG WINAPI PutDesktopBackAndEnd(EXCEPTION_POINTERS*) {
    for (std::atomic<WORD>& key : keysDown) {
        if (const WORD virtualKey = key.exchange(0)) {
            SendKeyUp(virtualKey);
        }
    }
    if (leftButtonDown.exchange(false)) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &input, sizeof(INPUT));
    }
    if (cursorConfined.exchange(false)) {
        ClipCursor(nullptr);
    }
    if (const HWND window = topmostWindow.exchange(nullptr)) {
        // Posted: the CAD may be what stopped answering.
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void NoteTopmostWindow(HWND window, bool topmost) {
    if (topmost) {
        topmostWindow = window;
    } else {
        HWND expected = window;
        topmostWindow.compare_exchange_strong(expected, nullptr);
    }
}

void NoteCursorConfined(bool confined) {
    cursorConfined = confined;
}

void NoteKey(WORD virtualKey, bool down) {
    for (std::atomic<WORD>& key : keysDown) {
        WORD expected = down ? 0 : virtualKey;
        if (key.compare_exchange_strong(expected, down ? virtualKey : 0)) {
            return;
        }
    }
}

void NoteLeftButton(bool down) {
    leftButtonDown = down;
}

void InstallLastResortFilter() {
    SetUnhandledExceptionFilter(PutDesktopBackAndEnd);
    // A C++ exception nothing catches ends in std::terminate, which aborts
    // without passing the filter.
    std::set_terminate([] {
        PutDesktopBackAndEnd(nullptr);
        ExitProcess(static_cast<UINT>(ExitCodeOf(StopKind::Unexpected)));
    });
}

} // namespace vr

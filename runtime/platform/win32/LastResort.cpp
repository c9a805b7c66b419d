#include "platform/win32/LastResort.h"

#include "outcome/StopKind.h"

#include <atomic>
#include <exception>

namespace vr {
namespace {

// Read by the filter on whatever thread crashed: plain atomics, no locks.
std::atomic<HWND> topmostWindow{nullptr};
std::atomic<bool> cursorConfined{false};
// A key held down, as it was pressed: virtual key, scan code and flags
// packed into one word, so that the filter reads a whole key or none. The
// system tells the two Ctrl keys apart by the extended-key flag: a release
// without the flag the press had lets go of the other key.
std::atomic<DWORD> keysDown[2]{0, 0};
std::atomic<bool> leftButtonDown{false};

constexpr DWORD kPressFlags = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_SCANCODE | KEYEVENTF_UNICODE;

DWORD PackKey(WORD virtualKey, WORD scanCode, DWORD flags) {
    return (virtualKey & 0xFFu) | (static_cast<DWORD>(scanCode & 0xFFu) << 8) |
           ((flags & kPressFlags) << 16);
}

// The same key: the virtual key and the extended-key flag agree.
bool SameKey(DWORD a, DWORD b) {
    constexpr DWORD kIdentity = 0xFFu | (static_cast<DWORD>(KEYEVENTF_EXTENDEDKEY) << 16);
    return (a & kIdentity) == (b & kIdentity);
}

void SendKeyUp(DWORD packed) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(packed & 0xFFu);
    input.ki.wScan = static_cast<WORD>((packed >> 8) & 0xFFu);
    input.ki.dwFlags = (packed >> 16) | KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(INPUT));
}

LONG WINAPI PutDesktopBackAndEnd(EXCEPTION_POINTERS*) {
    for (std::atomic<DWORD>& key : keysDown) {
        if (const DWORD packed = key.exchange(0)) {
            SendKeyUp(packed);
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

void NoteKey(WORD virtualKey, WORD scanCode, DWORD flags) {
    const DWORD packed = PackKey(virtualKey, scanCode, flags);
    const bool down = (flags & KEYEVENTF_KEYUP) == 0;
    for (std::atomic<DWORD>& key : keysDown) {
        DWORD held = key.load();
        if (down ? held == 0 : (held != 0 && SameKey(held, packed))) {
            if (key.compare_exchange_strong(held, down ? packed : 0)) {
                return;
            }
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

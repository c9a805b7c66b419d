#pragma once

#include "text/Text.h"

#include <cstdint>

namespace vr {

// A window handle as the platform passes it (32 bits on the target); 0 is null.
using Hwnd = std::uintptr_t;

struct ScreenPoint {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// One record of the process snapshot: its id and its executable file name
// in the ANSI code page.
struct ProcessRecord {
    std::uint32_t processId = 0;
    Bytes exeFile;
};

struct ThreadRecord {
    std::uint32_t threadId = 0;
    std::uint32_t ownerProcessId = 0;
};

// The keyboard input record passed to SendInput (28 bytes on the target).
struct KeyboardInputRecord {
    std::uint32_t type = 1;
    std::uint16_t virtualKey = 0;
    std::uint16_t scanCode = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
    std::uint32_t extraInfo = 0;
    friend bool operator==(const KeyboardInputRecord&, const KeyboardInputRecord&) = default;
};

// The mouse input record passed to SendInput (also 28 bytes on the target).
// A button press without a move: the cursor was placed before.
struct MouseInputRecord {
    std::uint32_t type = 0;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    std::uint32_t mouseData = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
    std::uint32_t extraInfo = 0;
    friend bool operator==(const MouseInputRecord&, const MouseInputRecord&) = default;
};

// The platform's values for the calls the tools make; the Win32 tree checks
// each against <windows.h>.
inline constexpr Hwnd kHwndTopmost = static_cast<Hwnd>(-1);
inline constexpr Hwnd kHwndNotTopmost = static_cast<Hwnd>(-2);
inline constexpr std::uint32_t kSwpNoSizeNoMove = 3;
inline constexpr std::uint32_t kSwpNoSizeNoMoveShow = 67;
// An owned window's z-order put back without showing or activating it.
inline constexpr std::uint32_t kSwpNoSizeNoMoveNoActivate = 19;
// Posted to the window's thread rather than waited for: the last resort for
// a CAD that no longer answers.
inline constexpr std::uint32_t kSwpAsyncWindowPos = 0x4000;
inline constexpr std::uint32_t kInputMouse = 0;
inline constexpr std::uint32_t kInputKeyboard = 1;
inline constexpr std::uint32_t kMouseLeftDown = 2;
inline constexpr std::uint32_t kMouseLeftUp = 4;
inline constexpr std::uint32_t kKeyExtended = 1;
inline constexpr std::uint32_t kKeyUp = 2;
inline constexpr std::uint32_t kMapVirtualKeyToScanCode = 0;
inline constexpr std::uint16_t kVirtualKeyControl = 17;
inline constexpr std::uint16_t kVirtualKeyV = 86;
inline constexpr std::uint32_t kWmNull = 0x0000;
inline constexpr std::uint32_t kWmGetText = 0x000D;
inline constexpr std::uint32_t kWmGetTextLength = 0x000E;
inline constexpr std::uint32_t kWmCommand = 0x0111;

// The CAD's own command: its text window copies the history to the clipboard.
inline constexpr std::uintptr_t kCadHistoryToClipboard = 32781;

} // namespace vr

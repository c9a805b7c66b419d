#pragma once

#include "platform/NonCopyable.h"
#include "text/Text.h"

#include <cstdint>
#include <optional>
#include <vector>

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

inline constexpr Hwnd kHwndTopmost = static_cast<Hwnd>(-1);
inline constexpr Hwnd kHwndNotTopmost = static_cast<Hwnd>(-2);
inline constexpr std::uint32_t kSwpNoSizeNoMove = 3;
inline constexpr std::uint32_t kSwpNoSizeNoMoveShow = 67;
inline constexpr std::uint32_t kMouseLeftDown = 2;
inline constexpr std::uint32_t kMouseLeftUp = 4;
inline constexpr std::uint32_t kWmGetText = 0x000D;
inline constexpr std::uint32_t kWmGetTextLength = 0x000E;
inline constexpr std::uint32_t kWmNull = 0x0000;
inline constexpr std::uint32_t kWmCommand = 0x0111;
inline constexpr std::uintptr_t kCadHistoryToClipboard = 32781;

enum class RunLockResult { Acquired, TimedOut };

// Every platform call that the job, discovery and the hidden window's load
// step make. Each operation mirrors one call (or one fixed group of calls
// that always go together, such as a snapshot walk), so that a recording fake
// can show the exact order and the Win32 implementation forwards one to one.
class Desktop : NonCopyable {
  public:
    virtual ~Desktop() = default;

    // Cursor.
    virtual bool GetCursorPos(ScreenPoint& point) = 0;
    virtual bool GetClipCursor(ScreenRect& rect) = 0;
    virtual bool SetCursorPos(std::int32_t x, std::int32_t y) = 0;
    virtual bool ClipCursor(const ScreenRect& rect) = 0;

    // Windows.
    virtual bool IsWindow(Hwnd window) = 0;
    virtual bool IsIconic(Hwnd window) = 0;
    virtual bool OpenIcon(Hwnd window) = 0;
    virtual bool SetForegroundWindow(Hwnd window) = 0;
    virtual bool GetWindowRect(Hwnd window, ScreenRect& rect) = 0;
    virtual bool SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) = 0;

    // Synthetic input.
    virtual void MouseEvent(std::uint32_t flags) = 0;
    virtual std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) = 0;
    virtual std::uint32_t SendInput(const KeyboardInputRecord& record) = 0;

    // Clipboard (plain text in the ANSI code page).
    virtual bool OpenClipboard(Hwnd owner) = 0;
    virtual bool EmptyClipboard() = 0;
    virtual bool SetClipboardText(BytesView text) = 0;
    virtual bool CloseClipboard() = 0;

    // Messages and time.
    virtual void PumpMessages() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    virtual std::uint32_t GetTickCount() = 0;

    // Discovery: the snapshots (taken, walked and closed), the window
    // enumerations, and window titles read by bytes.
    virtual std::vector<ProcessRecord> ProcessSnapshot() = 0;
    virtual std::vector<ThreadRecord> ThreadSnapshot() = 0;
    virtual std::vector<Hwnd> EnumThreadWindows(std::uint32_t threadId) = 0;
    virtual std::vector<Hwnd> EnumChildWindows(Hwnd parent) = 0;
    virtual std::int32_t GetWindowTextLengthA(Hwnd window) = 0;
    virtual std::int32_t GetWindowTextA(Hwnd window, char* buffer, std::int32_t size) = 0;

    // Reading a control of another program, with a time-out.
    virtual Hwnd GetDlgItem(Hwnd parent, std::int32_t id) = 0;
    virtual bool SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam, std::uint32_t timeoutMs,
                                     std::uintptr_t& result) = 0;

    // The main window's messages to the CAD: WM_COPYDATA sent (blocking until
    // the CAD has handled it) with dwData and the bytes, any message sent or
    // posted, and the clipboard's plain text (nullopt when it holds none).
    virtual void SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) = 0;
    virtual std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    virtual bool PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    [[nodiscard]] virtual std::optional<Bytes> GetClipboardText(Hwnd owner) = 0;

    // The lock that keeps two tool runs of the set from overlapping.
    virtual RunLockResult AcquireRunLock(std::uint32_t timeoutMs) = 0;
};

} // namespace vr

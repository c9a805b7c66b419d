#pragma once

#include "platform/Desktop.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/MessagePump.h"

namespace vr {

// The desktop services forwarded one to one to Win32.

class Win32CursorControl final : public CursorControl {
  public:
    bool GetCursorPos(ScreenPoint& point) override;
    bool GetClipCursor(ScreenRect& rect) override;
    bool SetCursorPos(std::int32_t x, std::int32_t y) override;
    bool ClipCursor(const std::optional<ScreenRect>& rect) override;
};

class Win32WindowControl final : public WindowControl {
  public:
    bool IsWindow(Hwnd window) override;
    bool IsIconic(Hwnd window) override;
    bool OpenIcon(Hwnd window) override;
    bool SetForegroundWindow(Hwnd window) override;
    bool GetWindowRect(Hwnd window, ScreenRect& rect) override;
    bool SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) override;
    Hwnd GetForegroundWindow() override;
    std::uint32_t GetWindowThreadId(Hwnd window) override;
    bool IsTopmost(Hwnd window) override;
    bool IsWindowEnabled(Hwnd window) override;
    Hwnd WindowFromPoint(ScreenPoint point) override;
    bool IsPointOnMonitor(ScreenPoint point) override;
    Hwnd GetThreadFocus(std::uint32_t threadId) override;
};

class Win32WindowTree final : public WindowTree {
  public:
    std::vector<Hwnd> EnumThreadWindows(std::uint32_t threadId) override;
    std::vector<Hwnd> EnumChildWindows(Hwnd parent) override;
    Text GetWindowTitle(Hwnd window) override;
    Bytes GetClassNameA(Hwnd window) override;
    Hwnd GetWindowOwner(Hwnd window) override;
    Hwnd GetParentWindow(Hwnd window) override;
    std::int32_t GetDlgCtrlID(Hwnd window) override;
    bool IsWindowVisible(Hwnd window) override;
    std::uint32_t GetWindowProcessId(Hwnd window) override;
    bool IsChild(Hwnd parent, Hwnd window) override;
};

class Win32WindowMessaging final : public WindowMessaging {
  public:
    Hwnd GetDlgItem(Hwnd parent, std::int32_t id) override;
    bool SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam, std::uint32_t timeoutMs,
                             std::uintptr_t& result) override;
    void SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) override;
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
};

class Win32SyntheticInput final : public SyntheticInput {
  public:
    std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) override;
    std::uint32_t SendInput(const KeyboardInputRecord& record) override;
    std::uint32_t SendInput(const MouseInputRecord& record) override;
};

class Win32ClipboardAccess final : public ClipboardAccess {
  public:
    bool OpenClipboard(Hwnd owner) override;
    bool EmptyClipboard() override;
    bool SetClipboardText(BytesView text) override;
    bool CloseClipboard() override;
    Hwnd GetOpenClipboardWindow() override;
    std::optional<Bytes> GetClipboardText(Hwnd owner) override;
};

class Win32ProcessSnapshots final : public ProcessSnapshots {
  public:
    std::vector<ProcessRecord> ProcessSnapshot() override;
    std::vector<ThreadRecord> ThreadSnapshot() override;
};

class Win32ProcessIntegrity final : public ProcessIntegrity {
  public:
    std::optional<std::uint32_t> ProcessIntegrityLevel(std::uint32_t processId) override;
    std::optional<std::uint32_t> OwnIntegrityLevel() override;
};

// A named mutex of the session, held from Acquire to Release. An abandoned
// lock (a tool that ended without releasing it) is taken over.
class Win32RunLock final : public RunLock {
  public:
    RunLockResult AcquireRunLock(std::uint32_t timeoutMs) override;
    void ReleaseRunLock() override;

  private:
    UniqueHandle mutex_;
    bool held_ = false;
};

// One of each, as the seam the job and discovery take.
struct Win32DesktopServices : NonCopyable {
    Win32CursorControl cursor;
    Win32WindowControl windows;
    Win32WindowTree tree;
    Win32WindowMessaging messaging;
    Win32SyntheticInput input;
    Win32ClipboardAccess clipboard;
    Win32Clock clock;
    Win32ProcessSnapshots processes;
    Win32RunLock runLock;
    Win32ProcessIntegrity integrity;

    [[nodiscard]] Desktop Services() {
        return Desktop{cursor,    windows, tree,      messaging, input,
                       clipboard, clock,   processes, runLock,   integrity};
    }
};

} // namespace vr

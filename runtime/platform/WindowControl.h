#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

namespace vr {

// The state, place and z-order of another program's windows.
class WindowControl : NonCopyable {
  public:
    virtual ~WindowControl() = default;
    [[nodiscard]] virtual bool IsWindow(Hwnd window) = 0;
    [[nodiscard]] virtual bool IsIconic(Hwnd window) = 0;
    [[nodiscard]] virtual bool OpenIcon(Hwnd window) = 0;
    [[nodiscard]] virtual bool SetForegroundWindow(Hwnd window) = 0;
    [[nodiscard]] virtual bool GetWindowRect(Hwnd window, ScreenRect& rect) = 0;
    // SetWindowPos without a move or a size change: only the z-order.
    [[nodiscard]] virtual bool SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) = 0;
    [[nodiscard]] virtual Hwnd GetForegroundWindow() = 0;
    // The thread that owns the window (its process: WindowTree); 0 when gone.
    [[nodiscard]] virtual std::uint32_t GetWindowThreadId(Hwnd window) = 0;
    // WS_EX_TOPMOST in the window's extended style.
    [[nodiscard]] virtual bool IsTopmost(Hwnd window) = 0;

    // What the click and the keys would reach. None of these waits on the
    // window's program.
    // IsWindowEnabled: false while the window takes no input, as the CAD's
    // main window while a dialog of the CAD is open.
    [[nodiscard]] virtual bool IsWindowEnabled(Hwnd window) = 0;
    // WindowFromPoint: the window a click at the point reaches, 0 for none.
    [[nodiscard]] virtual Hwnd WindowFromPoint(ScreenPoint point) = 0;
    // MonitorFromPoint with MONITOR_DEFAULTTONULL: whether the point lies on
    // a monitor at all (the cursor calls would move it onto one).
    [[nodiscard]] virtual bool IsPointOnMonitor(ScreenPoint point) = 0;
    // GetGUIThreadInfo: the window that has the keyboard focus of the
    // thread, 0 when none has it or the thread cannot be read.
    [[nodiscard]] virtual Hwnd GetThreadFocus(std::uint32_t threadId) = 0;
};

} // namespace vr

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
};

} // namespace vr

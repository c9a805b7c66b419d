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
};

} // namespace vr

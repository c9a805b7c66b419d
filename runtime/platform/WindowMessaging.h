#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

namespace vr {

// Messages to the CAD's windows: reading a control with a time-out, the
// command-line input by WM_COPYDATA (sent, so it returns once the CAD has
// handled it), and any message sent or posted.
class WindowMessaging : NonCopyable {
  public:
    virtual ~WindowMessaging() = default;
    [[nodiscard]] virtual Hwnd GetDlgItem(Hwnd parent, std::int32_t id) = 0;
    [[nodiscard]] virtual bool SendMessageTimeoutA(Hwnd window, std::uint32_t message,
                                                   std::uintptr_t wParam, std::intptr_t lParam,
                                                   std::uint32_t timeoutMs,
                                                   std::uintptr_t& result) = 0;
    virtual void SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) = 0;
    virtual std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    [[nodiscard]] virtual bool PostMessageA(Hwnd window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

} // namespace vr

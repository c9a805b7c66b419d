#pragma once

#include "platform/DesktopTypes.h"

#include <windows.h>

namespace vr {

[[nodiscard]] inline HWND ToHwnd(Hwnd window) {
    return reinterpret_cast<HWND>(window);
}

[[nodiscard]] inline Hwnd FromHwnd(HWND window) {
    return reinterpret_cast<Hwnd>(window);
}

} // namespace vr

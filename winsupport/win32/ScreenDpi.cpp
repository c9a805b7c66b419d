#include "winsupport/win32/ScreenDpi.h"

#include "winsupport/win32/Handles.h"

namespace vr {

int ScreenDpi() {
    const ScopedGetDc screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

} // namespace vr

#include "platform/win32/Win32Services.h"

#include <windows.h>

namespace vr {

void Win32Desktop::Sleep(std::uint32_t milliseconds) noexcept {
    ::Sleep(milliseconds);
}

} // namespace vr

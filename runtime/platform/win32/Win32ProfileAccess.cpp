#include "platform/win32/Win32ProfileAccess.h"

#include <windows.h>

#include <string>

namespace vr {

std::uint32_t Win32ProfileAccess::GetPrivateProfileStringA(BytesView section, BytesView key,
                                                           BytesView defaultValue, char* buffer,
                                                           std::uint32_t size, BytesView path) {
    // The views are not NUL-terminated; the call needs C strings.
    const std::string sectionZ(section), keyZ(key), defaultZ(defaultValue), pathZ(path);
    return ::GetPrivateProfileStringA(sectionZ.c_str(), keyZ.c_str(), defaultZ.c_str(), buffer,
                                      size, pathZ.c_str());
}

} // namespace vr

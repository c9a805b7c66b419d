#include "settings/ReadIniString.h"

#include "settings/ToolPaths.h"
#include "text/AnsiText.h"

#include <algorithm>
#include <array>

namespace vr {

Text ReadIniString(ProfileAccess& profiles, TextView settingsFolder, TextView baseName,
                   TextView section, TextView key, TextView defaultValue) {
    const Text path = IniFilePath(settingsFolder, baseName);
    std::array<char, kIniBufferSize> buffer{};
    const std::uint32_t stored = profiles.GetPrivateProfileStringA(
        EncodeAnsi(section), EncodeAnsi(key), EncodeAnsi(defaultValue), buffer.data(),
        kIniBufferSize, EncodeAnsi(path));
    // The count can include a NUL: when a double-byte character does not fit,
    // the platform stores a NUL in its place and still counts that byte.
    const BytesView value(buffer.data(), std::min<std::size_t>(stored, kIniBufferSize - 1));
    const BytesView beforeNul = value.substr(0, value.find('\0'));
    return DecodeAnsiPrefix(beforeNul, beforeNul.size());
}

} // namespace vr

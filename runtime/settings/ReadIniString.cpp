#include "settings/ReadIniString.h"

#include "text/AnsiText.h"

#include <algorithm>
#include <array>

namespace vr {

Text ReadIniString(ProfileAccess& profiles, TextView settingsFolder, TextView baseName,
                   TextView section, TextView key, TextView defaultValue) {
    Text path(settingsFolder);
    path += baseName;
    path += u".ini";
    std::array<char, kIniBufferSize> buffer{};
    const std::uint32_t stored = profiles.GetPrivateProfileStringA(
        EncodeAnsi(section), EncodeAnsi(key), EncodeAnsi(defaultValue), buffer.data(),
        kIniBufferSize, EncodeAnsi(path));
    const std::size_t length = std::min<std::size_t>(stored, kIniBufferSize - 1);
    return DecodeAnsiPrefix(BytesView(buffer.data(), length), length);
}

} // namespace vr

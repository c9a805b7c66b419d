#pragma once

#include "platform/ProfileAccess.h"
#include "text/Text.h"

namespace vr {

// The buffer that profile values are read into: 255 bytes, so a value comes
// back as at most its first 254 bytes.
inline constexpr std::uint32_t kIniBufferSize = 255;

// Reads one value of "<settingsFolder><baseName>.ini". A missing file or key
// yields the default; a key with an empty value yields empty text. The bytes
// are cut before decoding, never inside a double-byte character.
[[nodiscard]] Text ReadIniString(ProfileAccess& profiles, TextView settingsFolder,
                                 TextView baseName, TextView section, TextView key,
                                 TextView defaultValue);

} // namespace vr

#pragma once

#include "text/Text.h"

#include <cstdint>

namespace vr {

// The runtime's texts for the user, in one place. The delay-file text is the
// system's own and must stay exactly as it is: full-width digits, a
// full-width tilde (U+FF5E) and one ideographic space (U+3000).
inline constexpr TextView kDelayFileMessage =
    u"delay.datファイルがありません。ディレイする値１\uFF5E２０をセットして\u3000"
    u"delay.datというファイルを作成してください。";

// A numeric setting that does not fit in a signed 32-bit integer.
[[nodiscard]] Text SettingOutOfRangeMessage(TextView settingsPath, TextView section, TextView key,
                                            TextView value);

// A wait whose length does not fit in 16 bits.
[[nodiscard]] Text WaitOverflowMessage(std::int16_t delayFactor, int units);

} // namespace vr

#pragma once

#include "platform/FileAccess.h"
#include "text/Text.h"

#include <cstdint>
#include <optional>

namespace vr {

inline constexpr std::int16_t kDefaultDelayFactor = 5;

// The factors a run can use. 0 leaves the CAD no time to paste before the
// clipboard is emptied again, and a factor above 100 (an eight-second run)
// keeps the cursor confined for minutes; negative ones would pause forever.
// All of them count as unreadable.
inline constexpr std::int16_t kMinDelayFactor = 1;
inline constexpr std::int16_t kMaxDelayFactor = 100;

// Converts the first line of delay.dat (already decoded): one number with
// blanks around it, rounded half to even. nullopt for an empty line, text
// that is not a number, or a number outside kMinDelayFactor..kMaxDelayFactor.
[[nodiscard]] std::optional<std::int16_t> ParseDelayFactor(TextView firstLine);

// Reads "<programFolder>\delay.dat". nullopt when the file is missing,
// unreadable, empty, or its first line does not convert.
[[nodiscard]] std::optional<std::int16_t> ReadDelayFactor(FileAccess& files,
                                                          TextView programFolder);

} // namespace vr

#pragma once

#include "platform/FileAccess.h"
#include "text/Text.h"

#include <cstdint>
#include <optional>

namespace vr {

inline constexpr std::int16_t kDefaultDelayFactor = 5;

// The largest factor whose long wait (x 12) still fits in 16 bits. Values
// outside 0..kMaxDelayFactor convert but would pause forever (negative) or
// overflow halfway through the job, so they count as unreadable.
inline constexpr std::int16_t kMaxDelayFactor = 2730;

// Converts the first line of delay.dat (already decoded): one number with
// blanks around it, rounded half to even. nullopt for an empty line, text
// that is not a number, or a number outside 0..kMaxDelayFactor.
[[nodiscard]] std::optional<std::int16_t> ParseDelayFactor(TextView firstLine);

// Reads "<programFolder>\delay.dat". nullopt when the file is missing,
// unreadable, empty, or its first line does not convert.
[[nodiscard]] std::optional<std::int16_t> ReadDelayFactor(FileAccess& files,
                                                          TextView programFolder);

} // namespace vr

#pragma once

#include "text/Text.h"

#include <cstdint>
#include <initializer_list>

namespace vr {

// The pieces every message catalogue builds its texts from.

// The parts one after another; appending keeps GCC's overlap analysis of
// chained string temporaries quiet.
[[nodiscard]] Text Join(std::initializer_list<TextView> parts);

// A whole number in decimal digits.
[[nodiscard]] Text Number(std::uint64_t value);

} // namespace vr

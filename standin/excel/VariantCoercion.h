#pragma once

#include "excel/ComValue.h"

#include <cstdint>
#include <optional>

namespace standin::excel {

// A number as the spreadsheet reads one typed or given as text: digits,
// sign, point and exponent, with spaces around.
[[nodiscard]] std::optional<double> NumberInText(TextView text);

// The coercion of a VARIANT to a long: reals round half to even, text is
// read as a number, a boolean is -1 or 0.
[[nodiscard]] std::optional<std::int32_t> LongOf(const ComValue& value);

} // namespace standin::excel

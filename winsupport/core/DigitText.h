#pragma once

#include <cstdint>
#include <string>

namespace vr {

// Numbers as the digits a message or a report shows, in UTF-16. Written here
// rather than with std::to_string or snprintf: those pull the C library's
// whole formatting engine into every program for a handful of integers.

// Decimal digits, with a leading '-' for negative values.
[[nodiscard]] std::u16string DecimalDigits(std::uint64_t value);
[[nodiscard]] std::u16string SignedDecimalDigits(std::int64_t value);

// Upper-case hexadecimal digits, padded with zeros to at least minWidth.
[[nodiscard]] std::u16string HexDigits(std::uint64_t value, std::size_t minWidth);

} // namespace vr

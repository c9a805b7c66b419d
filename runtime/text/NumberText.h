#pragma once

#include "text/Text.h"

#include <cstdint>
#include <optional>

namespace vr {

// Numbers typed by users into the settings files. Full-width digits, signs,
// the full-width full stop and the ideographic space count as their ASCII
// forms, since Japanese input methods produce them readily.

// The whole text must be one number, with blanks (space, tab, LF) around it:
// an optional sign, digits with an optional fraction, an optional exponent
// (E or D). Returns nullopt for empty text, text that is not a number, or a
// number too large to hold.
[[nodiscard]] std::optional<double> ConvertWholeNumber(TextView text);

// The number at the start of the text: blanks skipped, then a sign, digits, a
// fraction and an exponent for as long as they continue a number; "&H"
// introduces up to eight hexadecimal digits read as a 32-bit pattern. Text
// without a leading number gives 0. Returns nullopt when the digits denote a
// number too large to hold at all (more than eight hex digits, or beyond the
// range of a double).
[[nodiscard]] std::optional<double> LeadingNumber(TextView text);

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2), and checks the range. nullopt when out of range.
[[nodiscard]] std::optional<std::int16_t> RoundToInt16(double value);
[[nodiscard]] std::optional<std::int32_t> RoundToInt32(double value);

} // namespace vr

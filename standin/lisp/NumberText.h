#pragma once

#include "lisp/Value.h"

#include <optional>

namespace standin::lisp {

// A number written in decimal places as rtos writes it in its decimal mode:
// rounded at `precision` places (0..8) with halves away from zero, judged on
// the exact value of the double; a value that rounds to zero has no minus
// sign. `dimzin` as the CAD's DIMZIN: 4 drops the zero before the point, 8
// the zeros after the last digit that counts (and the point with them).
[[nodiscard]] Text DecimalPlaces(double value, int precision, int dimzin);

// rtos's scientific mode: one digit, the point, `precision` digits, "E", a
// sign and two or more digits of the exponent ("1.7500E+01").
[[nodiscard]] Text ScientificText(double value, int precision);

// The number at the start of a text as atof reads it: blanks, a sign,
// digits with a point and an exponent; 0 when none is there.
[[nodiscard]] double LeadingReal(TextView text);

// The integer at the start of a text as atoi reads it; held at the 32-bit
// limits when it is larger.
[[nodiscard]] std::int32_t LeadingInteger(TextView text);

// The whole text as a distance in decimal or scientific units, blanks around
// it allowed; nullopt when it is not one.
[[nodiscard]] std::optional<double> DecimalDistance(TextView text);

} // namespace standin::lisp

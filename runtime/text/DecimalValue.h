#pragma once

#include <string_view>

namespace vr {

// The double nearest to a decimal number in C syntax: an optional sign,
// digits with an optional fraction, an optional exponent ("e", sign, digits),
// as the settings' number scanner writes it; the caller has checked the
// syntax. Exact (correctly rounded) for up to 19 significant digits with a
// decimal exponent up to 22 either way, which covers every number a person
// types into a settings file; beyond that within a unit in the last place.
// Overflow gives an infinity, underflow zero.
//
// The tools' own conversion instead of strtod: the C library's correctly
// rounding converter is a sizeable part of every program, for the few
// numbers of delay.dat and ZuDuv.ini.
[[nodiscard]] double DecimalValue(std::string_view number);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace vr {

// The text with its ASCII letters in upper or lower case and every other
// character as it is: names that a program compares without case (AutoLISP
// symbols, command names, automation members, executable names), where a
// Japanese or full-width character must stay untouched.
[[nodiscard]] Text AsciiUpper(TextView text);
[[nodiscard]] Text AsciiLower(TextView text);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace vr {

// True when the text, with blanks (space, tab) around it, is one number as
// the AutoLISP reader reads one: an optional sign, at least one digit, an
// optional point with digits after it, and an optional exponent (e or E,
// sign, digits). A point needs a digit before it, since AutoLISP refuses
// ".5". Anything else (full-width digits, a second point, a parenthesis, a
// quote) could end the expression it stands in.
[[nodiscard]] bool IsLispNumber(TextView text) noexcept;

} // namespace vr

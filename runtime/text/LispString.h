#pragma once

#include "text/Text.h"

namespace vr {

// Text made safe to stand inside an AutoLISP string literal: "\" becomes
// "\\" and a double quote "\"". Works on characters, so a double-byte
// character whose second byte is 0x5C (表, ソ) is left whole, while a yen
// sign typed as 0x5C is escaped like any backslash.
[[nodiscard]] Text LispStringContent(TextView text);

} // namespace vr

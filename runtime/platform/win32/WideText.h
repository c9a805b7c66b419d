#pragma once

#include "text/Text.h"

#include <string>

namespace vr {

// The program's text as a NUL-terminated wide string for W calls; on Windows
// wchar_t and char16_t are both UTF-16 code units.
[[nodiscard]] inline std::wstring WideZ(TextView text) {
    return std::wstring(text.begin(), text.end());
}

[[nodiscard]] inline Text FromWide(const wchar_t* wide, std::size_t length) {
    return Text(wide, wide + length);
}

} // namespace vr

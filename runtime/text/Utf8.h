#pragma once

#include "text/Text.h"

namespace vr {

// UTF-8 is used for source literals, logs and test reports, never at the
// platform boundary. Invalid input becomes U+FFFD.
[[nodiscard]] std::string Utf8FromText(TextView text);
[[nodiscard]] Text TextFromUtf8(std::string_view utf8);

} // namespace vr

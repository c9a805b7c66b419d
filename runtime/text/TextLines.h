#pragma once

#include "text/Text.h"

#include <vector>

namespace vr {

// Lines of a text file as the tools read them: CR LF or a lone CR ends a
// line; a lone LF is an ordinary character. A final line without an ending
// counts; an ending at the very end does not start another line.
[[nodiscard]] std::vector<BytesView> SplitLines(BytesView bytes);

// The bytes up to the first CR (the first line; empty for an empty file).
[[nodiscard]] BytesView FirstLine(BytesView bytes);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace vr {

// The file name of a path without folder and extension: everything up to the
// last "\" (or, where a part has none, ":") is dropped, then everything from
// the first ".". Case is kept; callers compare exactly.
[[nodiscard]] Text BaseNameOf(TextView path);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace standin {

// The text with every line end as CR LF, as the history box shows it: LF
// becomes CR LF, a CR of its own is dropped.
[[nodiscard]] vr::Text WithCrLf(vr::TextView text);

// What the command area shows of the history: its last two lines, without
// the line ends after them.
[[nodiscard]] vr::TextView LastTwoLines(vr::TextView history);

} // namespace standin

#pragma once

#include "platform/Desktop.h"

#include <cstdint>

namespace vr {

// One synthetic key event: the keyboard record with the key's scan code and
// the extended-key flag on both directions (1 down, 3 up), sent until the
// platform takes it, bounded. False when the bound ran out.
[[nodiscard]] bool SendKeyEvent(const Desktop& desktop, std::uint16_t virtualKey, bool up);

// One left button event at the cursor, sent until the platform takes it,
// bounded. False when the bound ran out.
[[nodiscard]] bool SendMouseButton(const Desktop& desktop, std::uint32_t flags);

} // namespace vr

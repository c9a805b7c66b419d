#pragma once

#include "platform/WindowMessaging.h"
#include "text/Text.h"

namespace vr {

inline constexpr std::uint32_t kControlReadTimeoutMs = 2000;

// The text of a control of another program: GetDlgItem, then its length
// and its text, each message bounded by a time-out so that a hung CAD
// cannot hang the tool. One space when the control does not exist.
[[nodiscard]] Text ReadControlText(WindowMessaging& messaging, Hwnd parent, std::int32_t id);

} // namespace vr

#pragma once

#include "platform/Desktop.h"

namespace vr {

inline constexpr std::uint16_t kVirtualKeyControl = 17;
inline constexpr std::uint16_t kVirtualKeyV = 86;

// One synthetic key event: the keyboard record with the key's scan code and
// the extended-key flag on both directions (1 down, 3 up), sent until the
// platform takes it, bounded. False when the bound ran out.
[[nodiscard]] bool SendKeyEvent(Desktop& desktop, std::uint16_t virtualKey, bool up);

// The clipboard emptied, or set to plain text, as one open/close with the
// tool's window as owner; the open is retried briefly while another program
// holds the clipboard. False when it could not be opened or set.
[[nodiscard]] bool EmptyClipboardNow(Desktop& desktop, Hwnd owner);
[[nodiscard]] bool SetClipboardTextNow(Desktop& desktop, Hwnd owner, BytesView text);

// The point clicked in a rectangle: its centre, each coordinate rounded
// towards minus infinity.
[[nodiscard]] ScreenPoint ClickPoint(const ScreenRect& rect);

} // namespace vr

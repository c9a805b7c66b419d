#pragma once

#include "platform/Desktop.h"
#include "winsupport/core/RetryBounded.h"

#include <optional>

namespace vr {

// How long a window, cursor or input call is retried before the job gives
// up on it: long enough for a busy desktop, short enough that a call that
// can never succeed does not hang the tool.
inline constexpr std::uint32_t kRetryBoundMs = 3000;
inline constexpr RetryPolicy kRetryWithoutPump{BetweenAttempts::Nothing, kRetryBoundMs, 5};
inline constexpr RetryPolicy kRetryWithPump{BetweenAttempts::Pump, kRetryBoundMs, 5};
// Another program may hold the clipboard open for a moment.
// The restored cursor position read back before the next run may start.
inline constexpr RetryPolicy kCursorReadBack{BetweenAttempts::Pump, 500, 5};
inline constexpr RetryPolicy kClipboardRetry{BetweenAttempts::Nothing, 1000, 10};

// One synthetic key event: the keyboard record with the key's scan code and
// the extended-key flag on both directions (1 down, 3 up), sent until the
// platform takes it, bounded. False when the bound ran out.
[[nodiscard]] bool SendKeyEvent(const Desktop& desktop, std::uint16_t virtualKey, bool up);

// One left button event at the cursor, sent until the platform takes it,
// bounded. False when the bound ran out.
[[nodiscard]] bool SendMouseButton(const Desktop& desktop, std::uint32_t flags);

// The clipboard emptied, or set to plain text, as one open/close with the
// tool's window as owner. The open is retried briefly while another program
// holds the clipboard.
enum class ClipboardResult { Done, Busy, Refused };
[[nodiscard]] ClipboardResult EmptyClipboardNow(const Desktop& desktop, Hwnd owner);
[[nodiscard]] ClipboardResult SetClipboardTextNow(const Desktop& desktop, Hwnd owner,
                                                  BytesView text);

// The point clicked in a rectangle: its centre, each coordinate rounded
// towards minus infinity.
[[nodiscard]] ScreenPoint ClickPoint(const ScreenRect& rect);

} // namespace vr

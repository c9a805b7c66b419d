#pragma once

#include "platform/Desktop.h"

namespace vr {

// The clipboard emptied, or set to plain text, as one open/close with the
// tool's window as owner. The open is retried briefly while another program
// holds the clipboard (Busy when it still does); Refused when the open
// clipboard would not take the change.
enum class ClipboardResult { Done, Busy, Refused };
[[nodiscard]] ClipboardResult EmptyClipboardNow(const Desktop& desktop, Hwnd owner);
[[nodiscard]] ClipboardResult SetClipboardTextNow(const Desktop& desktop, Hwnd owner,
                                                  BytesView text);

} // namespace vr

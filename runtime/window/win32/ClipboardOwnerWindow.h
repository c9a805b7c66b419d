#pragma once

#include <windows.h>

namespace vr {

// A message-only window on a thread of its own, which keeps answering while
// the tool's thread sleeps between synthetic events. Some systems ask the
// clipboard owner before another program may open the clipboard (Wine does
// on every open); an owner that does not answer would stall the CAD's paste.
// Null when the thread or its window could not be made.
[[nodiscard]] HWND StartClipboardOwnerWindow();

} // namespace vr

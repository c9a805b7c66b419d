#pragma once

#include <windows.h>

namespace vr {

// What the desktop seam has changed and not yet put back, kept so that a
// crash the tool cannot catch still leaves the user's desktop usable. The
// seam notes each change as it makes it; the filter reads the notes.

void NoteTopmostWindow(HWND window, bool topmost);
void NoteCursorConfined(bool confined);
// A key event as sent (flags with or without KEYEVENTF_KEYUP); a key is
// released with the flags it was pressed with.
void NoteKey(WORD virtualKey, WORD scanCode, DWORD flags);
void NoteLeftButton(bool down);

// Installs the process's unhandled-exception filter: it releases the
// cursor's confinement, lets go of any key and the mouse button the tool
// still holds, posts the CAD's window out of topmost, and ends the process
// with the exception's code. std::terminate does the same and ends with 3.
void InstallLastResortFilter();

} // namespace vr

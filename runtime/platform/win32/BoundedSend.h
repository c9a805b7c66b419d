#pragma once

#include <windows.h>

#include <cstddef>

namespace vr {

// A message sent to another program's window with a wait that ends in time.
// SendMessageTimeout alone does not always hold its time-out (under Wine a
// send to a hung program can wait for as long as it hangs), so the send runs
// on a worker thread and the caller waits for at most the time-out. A worker
// left waiting on a hung program owns its own copy of everything it uses.
// False when the window did not answer in time.
[[nodiscard]] bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT timeoutMs, DWORD_PTR& result);

// WM_GETTEXT the same way: at most size - 1 bytes and a NUL into buffer.
[[nodiscard]] bool GetTextBounded(HWND window, char* buffer, std::size_t size, UINT timeoutMs,
                                  DWORD_PTR& copied);

} // namespace vr

#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace vr {

// Calls that wait on another program's thread, with a wait that ends in time.
// SendMessageTimeout alone does not always hold its time-out (under Wine a
// send to a hung program can wait for as long as it hangs), and SetWindowPos
// or OpenIcon on another program's window wait on it too. So the call runs on
// a worker thread and the caller waits for at most the time-out. A worker left
// waiting on a hung program owns its own copy of everything it uses.
//
// A thread that once did not answer in time, or that the system reports as
// hung, is not waited for again during this process: every later call to one
// of its windows fails at once, so that a hung CAD costs one time-out, not
// one per call.

// A message sent; false when the window did not answer in time.
[[nodiscard]] bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT timeoutMs, DWORD_PTR& result);

// WM_GETTEXT the same way: at most size - 1 bytes and a NUL into buffer.
[[nodiscard]] bool GetTextBounded(HWND window, char* buffer, std::size_t size, UINT timeoutMs,
                                  DWORD_PTR& copied);

// WM_GETTEXTLENGTH and then WM_GETTEXT, both in their wide form and each
// bounded the same way: the window's whole text in UTF-16, up to its first
// NUL. False when the window did not answer in time.
[[nodiscard]] bool GetWideTextBounded(HWND window, UINT timeoutMs, std::u16string& text);

// Any call on window that may wait on its thread; false when it failed or did
// not return in time. The call must own what it uses (capture by value).
[[nodiscard]] bool CallBounded(HWND window, UINT timeoutMs, std::function<bool()> call);

} // namespace vr

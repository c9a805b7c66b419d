#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vr::test {

// What a message box showed.
struct DialogReport {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons; // visible buttons, in z-order
    bool hasIcon = false;
};

// A watched process run: every message box it showed, in order, and how it
// ended.
struct ProcessRun {
    std::vector<DialogReport> dialogs;
    bool exited = false; // false: still running when the time ran out
    DWORD exitCode = 0;
};

// The visible top-level windows of a process, in z-order.
[[nodiscard]] std::vector<HWND> VisibleTopWindows(DWORD processId);

// The class name of a window.
[[nodiscard]] std::wstring ClassName(HWND window);

// The visible message box (dialog class "#32770") of the process, or null.
[[nodiscard]] HWND FindMessageBox(DWORD processId);

// Reads what a message box shows.
[[nodiscard]] DialogReport ReadMessageBox(HWND dialog);

// Presses OK (IDOK) and waits, bounded, until the box is gone.
[[nodiscard]] bool PressOk(HWND dialog, DWORD timeoutMs);

// Waits up to timeoutMs for a message box of the process.
[[nodiscard]] HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs);

// Called for each message box as soon as it has been read.
using DialogSeen = std::function<void(const DialogReport&)>;

// Watches a process until it ends or timeoutMs passes: each message box it
// shows is reported, left open for holdMs (for a screenshot) and dismissed
// with OK. A process still running at the end is terminated so no test
// leaves it behind.
[[nodiscard]] ProcessRun WatchProcess(const PROCESS_INFORMATION& process, DWORD timeoutMs,
                                      const DialogSeen& seen = {}, DWORD holdMs = 0);

// UTF-8 for reports and assertion messages.
[[nodiscard]] std::string ToUtf8(const std::wstring& text);

} // namespace vr::test

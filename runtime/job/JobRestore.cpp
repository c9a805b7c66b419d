#include "job/JobSequence.h"

#include "job/InputEvents.h"

namespace vr {

void JobSequence::SaveTopmostState() {
    WindowControl& windows = desktop_.windows;
    targetWasTopmost_ = windows.IsTopmost(target_);
    ownedWereTopmost_.clear();
    for (const Hwnd window : desktop_.tree.EnumThreadWindows(targetThread_)) {
        if (window != target_ && desktop_.tree.GetWindowOwner(window) == target_) {
            ownedWereTopmost_.emplace_back(window, windows.IsTopmost(window));
        }
    }
}

// The main window as it was (topmost again only when it was before), then
// each owned window whose state the change carried along. lastResort: the
// CAD did not answer; the request is posted to it, once, so that it takes
// effect when the CAD wakes.
bool JobSequence::RestoreTopmostState(bool lastResort) {
    WindowControl& windows = desktop_.windows;
    const Hwnd mainAfter = targetWasTopmost_ ? kHwndTopmost : kHwndNotTopmost;
    if (lastResort) {
        (void)windows.SetWindowPos(target_, mainAfter, kSwpNoSizeNoMoveShow | kSwpAsyncWindowPos);
        for (const auto& [window, wasTopmost] : ownedWereTopmost_) {
            (void)windows.SetWindowPos(window, wasTopmost ? kHwndTopmost : kHwndNotTopmost,
                                       kSwpNoSizeNoMoveNoActivate | kSwpAsyncWindowPos);
        }
        return false;
    }
    if (!Retry(kRetryWithPump,
               [&] { return windows.SetWindowPos(target_, mainAfter, kSwpNoSizeNoMoveShow); })) {
        return false;
    }
    for (const auto& owned : ownedWereTopmost_) {
        // Named copies, not a structured binding: the lambda below captures
        // them, which clang before 16 refuses for bindings.
        const auto window = owned.first;
        const bool wasTopmost = owned.second;
        if (windows.IsWindow(window) && windows.IsTopmost(window) != wasTopmost &&
            !Retry(kRetryWithPump, [&] {
                return windows.SetWindowPos(window, wasTopmost ? kHwndTopmost : kHwndNotTopmost,
                                            kSwpNoSizeNoMoveNoActivate);
            })) {
            return false;
        }
    }
    return true;
}

// The system may still report the click point for a moment after the cursor
// was put back; the next tool run, once it has the lock, would save that as
// the user's position. Waits, bounded, until the restored position reads back.
// A late event of the click point can also override the restored position
// until the cursor is next set (Wine then reports the click point for 100
// ms): at the first read that differs, the cursor is put back once more,
// only once, so that a user who moves the mouse meanwhile is not fought.
void JobSequence::WaitForRestoredCursor() {
    if (!savedCursor_ || !restoredCursor_) {
        return;
    }
    bool putBackAgain = true;
    (void)Retry(kCursorReadBack, [&] {
        ScreenPoint now;
        if (desktop_.cursor.GetCursorPos(now) && now == *savedCursor_) {
            return true;
        }
        if (std::exchange(putBackAgain, false)) {
            (void)MoveCursorTo(*savedCursor_);
        }
        return false;
    });
}

void JobSequence::PutDesktopBack() {
    for (auto key = keysDown_.rbegin(); key != keysDown_.rend(); ++key) {
        (void)SendKeyEvent(desktop_, *key, true);
    }
    keysDown_.clear();
    if (mouseDown_) {
        (void)SendMouseButton(desktop_, kMouseLeftUp);
        mouseDown_ = false;
    }
    if (clipped_) {
        (void)ConfineCursor(savedClip_);
        clipped_ = false;
    }
    if (cursorMoved_ && savedCursor_) {
        restoredCursor_ = MoveCursorTo(*savedCursor_);
    }
    cursorMoved_ = false;
    if (topmost_) {
        // A CAD that no longer answers gets the request posted instead.
        if (topmostUnanswered_ || !RestoreTopmostState(false)) {
            (void)RestoreTopmostState(true);
        }
        topmost_ = false;
    }
}

} // namespace vr

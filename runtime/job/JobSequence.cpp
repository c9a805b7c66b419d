#include "job/JobSequence.h"

#include "discovery/CadInstances.h"
#include "job/ClickTarget.h"
#include "job/InputEvents.h"
#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"
#include "messages/WindowMessages.h"
#include "text/AnsiText.h"

#include <exception>
#include <new>

namespace vr {

// Whatever stops the steps, the desktop is put back before the message.
Status JobSequence::StepsCatchingFaults() {
    try {
        return Steps();
    } catch (const MainWindowNotCreated& fault) {
        return Failure{StopKind::Unexpected,
                       WindowNotCreatedMessage(fault.windowName, fault.errorCode)};
    } catch (const std::bad_alloc&) {
        return Failure{StopKind::Unexpected, UnexpectedStopMessage(u"メモリ不足")};
    } catch (...) {
        return Failure{StopKind::Unexpected, UnexpectedStopMessage(u"内部エラー")};
    }
}

Status JobSequence::Click() {
    mouseDown_ = true;
    if (!SendMouseButton(desktop_, kMouseLeftDown)) {
        mouseDown_ = false;
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationClick)};
    }
    ShortWait();
    if (!SendMouseButton(desktop_, kMouseLeftUp)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationClick)};
    }
    mouseDown_ = false;
    ShortWait();
    return Status::Ok();
}

Status JobSequence::Key(std::uint16_t key, bool up) {
    if (!SendKeyEvent(desktop_, key, up)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationKeys)};
    }
    if (up) {
        std::erase(keysDown_, key);
    } else {
        keysDown_.push_back(key); // released again if the job stops
    }
    ShortWait();
    return Status::Ok();
}

// A CAD busy for longer than the waits between the keys takes its Ctrl+V
// late; emptied before that, the clipboard would give it nothing to paste
// and nothing would be drawn, with the run reported as done. A message sent
// to the CAD's thread is answered only when it takes messages again, and
// a thread takes the messages sent to it before its queued keys: the second
// answer comes once the thread has been back after taking the Ctrl+V. A CAD
// that does not answer in time keeps the load command on the clipboard, for
// the paste it has still to make.
bool JobSequence::CadTookTheKeys() {
    for (int round = 0; round < 2; ++round) {
        if (std::uintptr_t answer = 0; !desktop_.messaging.SendMessageTimeoutA(
                commandWindow_, kWmNull, 0, 0, kCadAnswerTimeoutMs, answer)) {
            return false;
        }
    }
    return true;
}

// The clipboard changed, or the stop it ends in: another program kept it
// open (named when the system names it), or it refused the change.
Status JobSequence::ClipboardChange(ClipboardResult result) {
    if (result == ClipboardResult::Done) {
        return Status::Ok();
    }
    const Hwnd holder =
        result == ClipboardResult::Busy ? desktop_.clipboard.GetOpenClipboardWindow() : Hwnd{0};
    return Failure{StopKind::ClipboardBusy,
                   ClipboardBusyMessage(holder ? GetWindowCaption(desktop_.tree, holder) : Text())};
}

// After each change of the clipboard: the tool's messages pumped (its
// window owns the clipboard) and a long wait, before the next step.
void JobSequence::LetClipboardSettle() {
    desktop_.clock.PumpMessages();
    LongWait();
}

Status JobSequence::Steps() {
    // 1. Settings, and the lock that keeps tool runs from overlapping.
    if (Status status = LoadSettingsStep(run_); !status.ok()) {
        return status;
    }
    if (!locked_) {
        if (Status status = TakeRunLock(desktop_.runLock); !status.ok()) {
            return status;
        }
    }
    locked_ = true;
    // 2. The cursor as the user left it.
    if (ScreenPoint cursor; desktop_.cursor.GetCursorPos(cursor)) {
        savedCursor_ = cursor;
    }
    if (ScreenRect clip; desktop_.cursor.GetClipCursor(clip)) {
        savedClip_ = clip;
    }
    // 3, 4. The CAD to drive.
    if (Status status = FindTarget(); !status.ok()) {
        return status;
    }
    // 5. Bring it to the front, when it takes input.
    if (Status status = CheckCadTakesInput(desktop_, target_); !status.ok()) {
        return status;
    }
    const bool raised =
        desktop_.windows.IsIconic(target_)
            ? Retry(kRetryWithoutPump, [&] { return desktop_.windows.OpenIcon(target_); })
            : Retry(kRetryWithoutPump,
                    [&] { return desktop_.windows.SetForegroundWindow(target_); });
    if (!raised) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationRaise)};
    }
    // 6. Where to click. Without the rectangle there is nowhere to click.
    ScreenRect commandRect;
    if (!desktop_.windows.GetWindowRect(commandWindow_, commandRect)) {
        return Failure{StopKind::CadLost,
                       CommandAreaUnreadableMessage(run_.settings.CommandCaption)};
    }
    click_ = ClickPoint(commandRect);
    // Its command line is there to be clicked.
    if (Status status = CheckCommandLineShown(desktop_, commandWindow_, commandRect, click_);
        !status.ok()) {
        return status;
    }
    // 7. Topmost, with the state before it kept to be put back.
    SaveTopmostState();
    topmost_ = true;
    if (!SetTopmost()) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationTopmost)};
    }
    // 8-10. The cursor to the command area, confined to it.
    cursorMoved_ = true;
    if (!MoveCursorTo(click_)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationMoveCursor)};
    }
    clipped_ = true;
    if (!ConfineCursor(commandRect)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationConfineCursor)};
    }
    if (!MoveCursorTo(click_)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationMoveCursor)};
    }
    // 11. One click, into the CAD only, onto its command line.
    if (Status status = CheckStillInFront(); !status.ok()) {
        return status;
    }
    if (Status status = CheckCommandLineAtPoint(desktop_, commandWindow_, click_); !status.ok()) {
        // A CAD that closed meanwhile leaves its place to whatever lay
        // behind it: that is a lost CAD, not a covered command line.
        if (Status lost = CheckStillInFront(); !lost.ok()) {
            return lost;
        }
        return status;
    }
    if (Status status = Click(); !status.ok()) {
        return status;
    }
    // 12. An empty clipboard.
    const Hwnd owner = run_.services.mainWindow.ClipboardOwner();
    if (Status status = ClipboardChange(EmptyClipboardNow(desktop_, owner)); !status.ok()) {
        return status;
    }
    LetClipboardSettle();
    // 13. The tool's own step: its script beside the program.
    if (plan_.script) {
        if (Status status =
                WriteToolOutputFile(run_.services.files, run_.programFolder, *plan_.script);
            !status.ok()) {
            return status;
        }
    }
    // 14. The load command on the clipboard.
    if (Status status =
            ClipboardChange(SetClipboardTextNow(desktop_, owner, EncodeAnsi(plan_.loadCommand)));
        !status.ok()) {
        return status;
    }
    LetClipboardSettle();
    // 15. Back to the click point, 16. Ctrl+V, into the CAD only, and only
    // once the click has given its command line the keys.
    if (!MoveCursorTo(click_)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationMoveCursor)};
    }
    if (Status status = CheckStillInFront(); !status.ok()) {
        return status;
    }
    if (!CheckCommandLineFocused(desktop_, commandWindow_, FocusInArea::InsideOnly).ok()) {
        // The CAD may handle its activation, which focuses its drawing, only
        // after the click (seen under Wine): one more click onto the point
        // checked above gives the command line the keys. Nothing is typed
        // until it has them.
        if (Status status = CheckStillInFront(); !status.ok()) {
            return status;
        }
        if (Status status = CheckCommandLineAtPoint(desktop_, commandWindow_, click_);
            !status.ok()) {
            return status;
        }
        if (Status status = Click(); !status.ok()) {
            return status;
        }
        if (Status status =
                CheckCommandLineFocused(desktop_, commandWindow_, FocusInArea::AreaItselfToo);
            !status.ok()) {
            return status;
        }
    }
    for (const auto& [key, up] :
         {std::pair{kVirtualKeyControl, false}, std::pair{kVirtualKeyV, false},
          std::pair{kVirtualKeyV, true}, std::pair{kVirtualKeyControl, true}}) {
        if (Status status = Key(key, up); !status.ok()) {
            return status;
        }
    }
    // 17. The clipboard emptied again, once the CAD has come to the keys.
    if (plan_.emptyClipboardAfterPaste && CadTookTheKeys()) {
        if (Status status = ClipboardChange(EmptyClipboardNow(desktop_, owner)); !status.ok()) {
            return status;
        }
        LetClipboardSettle();
    }
    // 18-20. The desktop as it was.
    if (!ConfineCursor(savedClip_)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationRestoreCursor)};
    }
    clipped_ = false;
    if (savedCursor_ && !MoveCursorTo(*savedCursor_)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationRestoreCursor)};
    }
    cursorMoved_ = false;
    restoredCursor_ = savedCursor_.has_value();
    if (!RestoreTopmostState(false)) {
        topmostUnanswered_ = true;
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationTopmostOff)};
    }
    topmost_ = false;
    return Status::Ok();
}

} // namespace vr

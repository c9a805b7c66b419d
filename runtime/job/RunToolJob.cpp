#include "job/RunToolJob.h"

#include "diagnosis/FirstRunFailure.h"
#include "discovery/DiscoverCadInstances.h"
#include "job/CadIntegrityCheck.h"
#include "job/ClickTarget.h"
#include "job/JobInput.h"
#include "messages/ToolMessages.h"
#include "messages/WindowMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "timing/DelayWait.h"

#include <exception>
#include <new>
#include <utility>
#include <variant>
#include <vector>

namespace vr {

Status LoadSettingsStep(ToolRun& run) {
    run.settingsFolder = SettingsFolderOf(run.programFolder);
    // Without the file every setting would take its default, and the user
    // would be told that no CAD runs.
    Text path = run.settingsFolder;
    path += kSettingsBaseName;
    path += u".ini";
    if (!run.services.files.FileExists(path)) {
        return Failure{StopKind::Settings, SettingsFileMissingMessage(path)};
    }
    auto loaded = LoadToolSettings(run.services.profiles, run.settingsFolder);
    if (auto* failure = std::get_if<Failure>(&loaded)) {
        return std::move(*failure);
    }
    run.settings = std::move(std::get<ToolSettings>(loaded));
    return Status::Ok();
}

namespace {

// One run of the sequence, with what it has changed on the desktop so far,
// so that a stop part-way can put exactly that back.
class JobSequence {
  public:
    JobSequence(ToolRun& run, const ToolJobPlan& plan)
        : run_(run), plan_(plan), desktop_(run.services.desktop) {}

    Status Run() {
        locked_ = std::exchange(run_.runLockHeld, false);
        Status status = StepsCatchingFaults();
        if (!status.ok()) {
            PutDesktopBack();
        }
        if (locked_) {
            WaitForRestoredCursor();
            desktop_.runLock.ReleaseRunLock();
        }
        return status;
    }

  private:
    void ShortWait() { DelayWait(desktop_.clock, run_.delayFactor, kShortWait); }
    void LongWait() { DelayWait(desktop_.clock, run_.delayFactor, kLongWait); }

    template <class Attempt> bool Retry(const RetryPolicy& policy, Attempt&& attempt) {
        return RetryBounded(desktop_.clock, policy, attempt);
    }
    bool MoveCursorTo(ScreenPoint point) {
        return Retry(kRetryWithPump,
                     [&] { return desktop_.cursor.SetCursorPos(point.x, point.y); });
    }
    bool ConfineCursor(const std::optional<ScreenRect>& rect) {
        return Retry(kRetryWithPump, [&] { return desktop_.cursor.ClipCursor(rect); });
    }
    bool SetTopmost() {
        return Retry(kRetryWithPump, [&] {
            return desktop_.windows.SetWindowPos(target_, kHwndTopmost, kSwpNoSizeNoMove);
        });
    }

    Status StepsCatchingFaults();
    Status Steps();
    Status FindTarget();
    Status CheckStillInFront();
    void SaveTopmostState();
    bool RestoreTopmostState(bool lastResort);
    void WaitForRestoredCursor();
    Status Click();
    Status Key(std::uint16_t key, bool up);
    Status Clipboard(ClipboardResult result);
    bool CadTookTheKeys();
    void PutDesktopBack();

    ToolRun& run_;
    const ToolJobPlan& plan_;
    const Desktop& desktop_;
    bool locked_ = false;
    std::optional<ScreenPoint> savedCursor_;
    // nullopt when the confinement could not be read: it is then released
    // at the end rather than set to a rectangle nobody chose.
    std::optional<ScreenRect> savedClip_;
    Hwnd target_ = 0;
    std::uint32_t targetThread_ = 0;
    std::uint32_t targetProcess_ = 0;
    Hwnd commandWindow_ = 0;
    // The z-order state of the CAD's main window and of the windows it owns
    // (its text window) before the job made it topmost.
    bool targetWasTopmost_ = false;
    std::vector<std::pair<Hwnd, bool>> ownedWereTopmost_;
    ScreenPoint click_;
    bool topmost_ = false;
    bool restoredCursor_ = false;
    bool topmostUnanswered_ = false;
    bool clipped_ = false;
    bool cursorMoved_ = false;
    bool mouseDown_ = false;
    std::vector<std::uint16_t> keysDown_;
};

Status JobSequence::FindTarget() {
    DiscoverCadInstances(desktop_, run_.settings, run_.discovery, run_.window);
    InstanceList& list = run_.services.mainWindow.cmbFileName();
    const int selected = list.SelectedIndex();
    // What a first run that does not fit the CAD stops with: what was seen,
    // the line to write, and the window report beside the tool.
    const auto firstRunStop = [&](FirstRunFault fault, const CadInstance* cad) -> Status {
        return FirstRunFailure(desktop_, run_.services.files, run_.programFolder, run_.settings,
                               fault, cad);
    };
    if (selected < 0) {
        return firstRunStop(FirstRunFault::NoCad, nullptr);
    }
    const std::uint32_t row = list.ItemData(selected);
    if (row == 0 || row >= run_.discovery.InstanceTable.size()) {
        return firstRunStop(FirstRunFault::NoCad, nullptr);
    }
    const CadInstance& cad = run_.discovery.InstanceTable[row];
    if (Status status =
            CheckCadIntegrity(desktop_.integrity, cad.ProcessId, run_.settings.ACADName);
        !status.ok()) {
        return status;
    }
    target_ = cad.MainWindow;
    commandWindow_ = run_.discovery.LastCommandWindow;
    // Checked before anything is raised: the retries below could never
    // succeed on a window that is not there.
    if (!target_) {
        return firstRunStop(FirstRunFault::NoMainWindow, &cad);
    }
    if (!commandWindow_) {
        return firstRunStop(FirstRunFault::NoCommandArea, &cad);
    }
    if (!desktop_.windows.IsWindow(target_) || !desktop_.windows.IsWindow(commandWindow_)) {
        return Failure{StopKind::CadLost, CadWindowGoneMessage()};
    }
    // A command area carried over from the search in another CAD is no
    // command area of this one: the click and the paste would go there.
    if (desktop_.tree.GetWindowProcessId(commandWindow_) != cad.ProcessId) {
        return firstRunStop(FirstRunFault::NoCommandArea, &cad);
    }
    // A CAD whose window does not answer would take the click and the keys
    // only when it wakes, if ever: ask once, bounded, before touching it.
    if (std::uintptr_t answer = 0; !desktop_.messaging.SendMessageTimeoutA(
            target_, kWmNull, 0, 0, kCadAnswerTimeoutMs, answer)) {
        return Failure{StopKind::CadNotAnswering, CadNotRespondingMessage(kOperationAnswer)};
    }
    targetThread_ = desktop_.windows.GetWindowThreadId(target_);
    targetProcess_ = desktop_.tree.GetWindowProcessId(target_);
    return Status::Ok();
}

// The click and the keys go wherever the focus is: before each, the CAD must
// still be there, its command area still its own, and one of its windows
// still in front. A CAD that closed part-way would otherwise leave the paste
// to whatever program came to the front.
Status JobSequence::CheckStillInFront() {
    WindowControl& windows = desktop_.windows;
    WindowTree& tree = desktop_.tree;
    if (!windows.IsWindow(target_) || !windows.IsWindow(commandWindow_) || targetProcess_ == 0 ||
        tree.GetWindowProcessId(commandWindow_) != targetProcess_) {
        return Failure{StopKind::CadLost, CadLostFocusMessage()};
    }
    const Hwnd front = windows.GetForegroundWindow();
    if (front != target_ && (front == 0 || tree.GetWindowProcessId(front) != targetProcess_)) {
        return Failure{StopKind::CadLost, CadLostFocusMessage()};
    }
    return Status::Ok();
}

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

Status JobSequence::Clipboard(ClipboardResult result) {
    if (result == ClipboardResult::Done) {
        desktop_.clock.PumpMessages();
        LongWait();
        return Status::Ok();
    }
    const Hwnd holder =
        result == ClipboardResult::Busy ? desktop_.clipboard.GetOpenClipboardWindow() : Hwnd{0};
    return Failure{StopKind::ClipboardBusy,
                   ClipboardBusyMessage(holder ? GetWindowCaption(desktop_.tree, holder) : Text())};
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
    if (Status status = Clipboard(EmptyClipboardNow(desktop_, owner)); !status.ok()) {
        return status;
    }
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
            Clipboard(SetClipboardTextNow(desktop_, owner, EncodeAnsi(plan_.loadCommand)));
        !status.ok()) {
        return status;
    }
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
        if (Status status = Clipboard(EmptyClipboardNow(desktop_, owner)); !status.ok()) {
            return status;
        }
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

} // namespace

Status TakeRunLock(RunLock& lock) {
    switch (lock.AcquireRunLock(kRunLockTimeoutMs)) {
    case RunLockResult::Acquired:
        return Status::Ok();
    case RunLockResult::TimedOut:
        return Failure{StopKind::AnotherTool, AnotherToolRunningMessage()};
    case RunLockResult::Unavailable:
        break;
    }
    return Failure{StopKind::Unexpected, UnexpectedStopMessage(kRunLockUnavailable)};
}

Status RunToolJob(ToolRun& run, const ToolJobPlan& plan) {
    return JobSequence(run, plan).Run();
}

} // namespace vr

#include "job/RunToolJob.h"

#include "discovery/DiscoverCadInstances.h"
#include "job/JobInput.h"
#include "job/JobMessages.h"
#include "job/Retry.h"
#include "startup/ProgramFolder.h"
#include "text/AnsiText.h"
#include "timing/DelayWait.h"

#include <variant>

namespace vr {

Outcome LoadSettingsStep(ToolRun& run) {
    run.settingsFolder = SettingsFolderOf(run.programFolder);
    auto loaded = LoadToolSettings(run.services.profiles, run.settingsFolder);
    if (auto* failure = std::get_if<Failure>(&loaded)) {
        return std::move(*failure);
    }
    run.settings = std::move(std::get<ToolSettings>(loaded));
    return kSucceeded;
}

Text LoadCommandFor(TextView name) {
    return u"\x1b(load \"" + Text(name) + u"\")\r\n";
}

namespace {

// One run of the sequence, with what it has changed on the desktop so far,
// so that a stop part-way can put exactly that back.
class JobSequence {
  public:
    JobSequence(ToolRun& run, const ToolJobPlan& plan)
        : run_(run), plan_(plan), desktop_(run.services.desktop) {}

    Outcome Run() {
        Outcome outcome = Steps();
        if (outcome && touched_) {
            PutDesktopBack();
        }
        return outcome;
    }

  private:
    Outcome ShortWait() { return DelayWait(desktop_, run_.delayFactor, kShortWait); }
    Outcome LongWait() { return DelayWait(desktop_, run_.delayFactor, kLongWait); }

    bool Retry(BetweenAttempts between, const std::function<bool()>& attempt) {
        return RetryBounded(desktop_, between, attempt);
    }

    Outcome Steps();
    Outcome FindTarget();
    Outcome Key(std::uint16_t key, bool up);
    void PutDesktopBack();

    ToolRun& run_;
    const ToolJobPlan& plan_;
    Desktop& desktop_;
    ScreenPoint savedCursor_;
    ScreenRect savedClip_;
    Hwnd target_ = 0;
    Hwnd commandWindow_ = 0;
    ScreenPoint click_;
    bool touched_ = false;
    bool topmost_ = false;
    bool clipped_ = false;
    bool cursorMoved_ = false;
    bool mouseDown_ = false;
    std::vector<std::uint16_t> keysDown_;
};

Outcome JobSequence::FindTarget() {
    DiscoverCadInstances(run_);
    InstanceList& list = run_.services.mainWindow.cmbFileName();
    const int selected = list.SelectedIndex();
    const ToolSettings& settings = run_.settings;
    if (selected < 0) {
        return Failure{NoCadFoundMessage(settings.ACADName)};
    }
    const std::uint32_t row = list.ItemData(selected);
    if (row == 0 || row >= run_.discovery.InstanceTable.size()) {
        return Failure{NoCadFoundMessage(settings.ACADName)};
    }
    target_ = run_.discovery.InstanceTable[row].MainWindow;
    commandWindow_ = run_.discovery.LastCommandWindow;
    // Checked before anything is raised: the retries below could never
    // succeed on a window that is not there.
    if (!target_) {
        return Failure{NoMainWindowMessage(settings.ACADName, settings.MainCaption)};
    }
    if (!commandWindow_) {
        return Failure{NoCommandAreaMessage(settings.CommandCaption)};
    }
    if (!desktop_.IsWindow(target_) || !desktop_.IsWindow(commandWindow_)) {
        return Failure{CadWindowGoneMessage()};
    }
    return kSucceeded;
}

Outcome JobSequence::Key(std::uint16_t key, bool up) {
    if (!SendKeyEvent(desktop_, key, up)) {
        return Failure{CadNotRespondingMessage(u"キー入力")};
    }
    if (up) {
        std::erase(keysDown_, key);
    } else {
        keysDown_.push_back(key); // released again if the job stops
    }
    return ShortWait();
}

Outcome JobSequence::Steps() {
    // 1. Settings, and the lock that keeps tool runs from overlapping.
    if (Outcome failed = LoadSettingsStep(run_)) {
        return failed;
    }
    if (desktop_.AcquireRunLock(kRunLockTimeoutMs) != RunLockResult::Acquired) {
        return Failure{AnotherToolRunningMessage()};
    }
    // 2. The cursor as the user left it.
    desktop_.GetCursorPos(savedCursor_);
    desktop_.GetClipCursor(savedClip_);
    // 3, 4. The CAD to drive.
    if (Outcome failed = FindTarget()) {
        return failed;
    }
    // 5. Bring it to the front.
    touched_ = true;
    const bool raised =
        desktop_.IsIconic(target_)
            ? Retry(BetweenAttempts::Nothing, [&] { return desktop_.OpenIcon(target_); })
            : Retry(BetweenAttempts::Nothing,
                    [&] { return desktop_.SetForegroundWindow(target_); });
    if (!raised) {
        return Failure{CadNotRespondingMessage(u"ウィンドウを前面に出す")};
    }
    // 6. Where to click.
    ScreenRect commandRect;
    desktop_.GetWindowRect(commandWindow_, commandRect);
    click_ = ClickPoint(commandRect);
    // 7. Topmost.
    topmost_ = true;
    if (!Retry(BetweenAttempts::Pump,
               [&] { return desktop_.SetWindowPos(target_, kHwndTopmost, kSwpNoSizeNoMove); })) {
        return Failure{CadNotRespondingMessage(u"ウィンドウを最前面にする")};
    }
    // 8-10. The cursor to the command area, confined to it.
    cursorMoved_ = true;
    if (!Retry(BetweenAttempts::Pump, [&] { return desktop_.SetCursorPos(click_.x, click_.y); })) {
        return Failure{CadNotRespondingMessage(u"カーソルの移動")};
    }
    clipped_ = true;
    if (!Retry(BetweenAttempts::Pump, [&] { return desktop_.ClipCursor(commandRect); })) {
        return Failure{CadNotRespondingMessage(u"カーソルの範囲指定")};
    }
    if (!Retry(BetweenAttempts::Pump, [&] { return desktop_.SetCursorPos(click_.x, click_.y); })) {
        return Failure{CadNotRespondingMessage(u"カーソルの移動")};
    }
    // 11. One click.
    mouseDown_ = true;
    desktop_.MouseEvent(kMouseLeftDown);
    if (Outcome failed = ShortWait()) {
        return failed;
    }
    desktop_.MouseEvent(kMouseLeftUp);
    mouseDown_ = false;
    if (Outcome failed = ShortWait()) {
        return failed;
    }
    // 12. An empty clipboard.
    const Hwnd owner = run_.services.mainWindow.ClipboardOwner();
    if (!EmptyClipboardNow(desktop_, owner)) {
        return Failure{ClipboardBusyMessage()};
    }
    desktop_.PumpMessages();
    if (Outcome failed = LongWait()) {
        return failed;
    }
    // 13. The tool's own step.
    if (plan_.toolStep) {
        if (Outcome failed = plan_.toolStep(run_)) {
            return failed;
        }
    }
    // 14. The load command on the clipboard.
    if (!SetClipboardTextNow(desktop_, owner, EncodeAnsi(plan_.loadCommand))) {
        return Failure{ClipboardBusyMessage()};
    }
    desktop_.PumpMessages();
    if (Outcome failed = LongWait()) {
        return failed;
    }
    // 15. Back to the click point, 16. Ctrl+V.
    if (!Retry(BetweenAttempts::Pump, [&] { return desktop_.SetCursorPos(click_.x, click_.y); })) {
        return Failure{CadNotRespondingMessage(u"カーソルの移動")};
    }
    for (const auto& [key, up] :
         {std::pair{kVirtualKeyControl, false}, std::pair{kVirtualKeyV, false},
          std::pair{kVirtualKeyV, true}, std::pair{kVirtualKeyControl, true}}) {
        if (Outcome failed = Key(key, up)) {
            return failed;
        }
    }
    // 17. The clipboard emptied again.
    if (plan_.emptyClipboardAfterPaste) {
        if (!EmptyClipboardNow(desktop_, owner)) {
            return Failure{ClipboardBusyMessage()};
        }
        desktop_.PumpMessages();
        if (Outcome failed = LongWait()) {
            return failed;
        }
    }
    // 18-20. The desktop as it was.
    desktop_.ClipCursor(savedClip_);
    clipped_ = false;
    if (!Retry(BetweenAttempts::Pump,
               [&] { return desktop_.SetCursorPos(savedCursor_.x, savedCursor_.y); })) {
        return Failure{CadNotRespondingMessage(u"カーソルを元に戻す")};
    }
    cursorMoved_ = false;
    if (!Retry(BetweenAttempts::Pump, [&] {
            return desktop_.SetWindowPos(target_, kHwndNotTopmost, kSwpNoSizeNoMoveShow);
        })) {
        return Failure{CadNotRespondingMessage(u"最前面の解除")};
    }
    topmost_ = false;
    return kSucceeded;
}

void JobSequence::PutDesktopBack() {
    for (auto key = keysDown_.rbegin(); key != keysDown_.rend(); ++key) {
        (void)SendKeyEvent(desktop_, *key, true);
    }
    keysDown_.clear();
    if (mouseDown_) {
        desktop_.MouseEvent(kMouseLeftUp);
        mouseDown_ = false;
    }
    if (clipped_) {
        desktop_.ClipCursor(savedClip_);
        clipped_ = false;
    }
    if (cursorMoved_) {
        (void)RetryBounded(desktop_, BetweenAttempts::Pump,
                           [&] { return desktop_.SetCursorPos(savedCursor_.x, savedCursor_.y); });
        cursorMoved_ = false;
    }
    if (topmost_) {
        (void)RetryBounded(desktop_, BetweenAttempts::Pump, [&] {
            return desktop_.SetWindowPos(target_, kHwndNotTopmost, kSwpNoSizeNoMoveShow);
        });
        topmost_ = false;
    }
}

} // namespace

Outcome RunToolJob(ToolRun& run, const ToolJobPlan& plan) {
    return JobSequence(run, plan).Run();
}

} // namespace vr

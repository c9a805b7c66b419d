#pragma once

#include "job/ClipboardSteps.h"
#include "job/RetryPolicies.h"
#include "job/ToolJobPlan.h"
#include "job/ToolRun.h"
#include "timing/DelayWait.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace vr {

// One run of the sequence, with what it has changed on the desktop so far,
// so that a stop part-way can put exactly that back. The job's own: run
// only by RunToolJob. Its steps in order are in JobSequence.cpp, the CAD it
// drives is found and kept in front by JobTarget.cpp, and the desktop is
// put back by JobRestore.cpp.
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
    Status ClipboardChange(ClipboardResult result);
    void LetClipboardSettle();
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

} // namespace vr

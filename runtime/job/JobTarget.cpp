#include "job/JobSequence.h"

#include "diagnosis/FirstRunFailure.h"
#include "discovery/DiscoverCadInstances.h"
#include "job/CadIntegrityCheck.h"
#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"

namespace vr {

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

} // namespace vr

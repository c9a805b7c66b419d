#include "process/EntrySequence.h"

#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"
#include "text/AnsiText.h"

namespace vr {
namespace {

// The request belongs to the run that pastes its load command: the lock is
// taken before the file is written, so that a second run cannot replace the
// request that this run's routine is about to read, and the job keeps it.
Status WriteRequestFile(ToolRun& run, const ToolOutputFile& request) {
    RunLock& lock = run.services.desktop.runLock;
    if (Status status = TakeRunLock(lock); !status.ok()) {
        return status;
    }
    Status written = WriteToolOutputFile(run.services.files, run.programFolder, request);
    if (written.ok()) {
        run.runLockHeld = true;
    } else {
        lock.ReleaseRunLock();
    }
    return written;
}

// delay.dat into the delay factor; the one failure a tool recovers from.
void ReadDelayStep(ToolRun& run) {
    const std::optional<std::int16_t> factor =
        ReadDelayFactor(run.services.files, run.programFolder);
    if (factor) {
        run.delayFactor = *factor;
        return;
    }
    run.services.messages.ShowMessage(run.toolName, kDelayFileMessage);
    run.delayFactor = kDefaultDelayFactor;
}

Status PlanAndRunJob(ToolRun& run, const ToolPlanOrFailure& planOrFailure,
                     const ScriptReader& readScript) {
    if (const auto* failure = std::get_if<Failure>(&planOrFailure)) {
        return *failure;
    }
    ToolJobPlan plan = std::get<ToolJobPlan>(planOrFailure);
    if (plan.request) {
        if (Status status = WriteRequestFile(run, *plan.request); !status.ok()) {
            return status;
        }
    }
    ReadDelayStep(run);
    if (readScript) {
        auto script = readScript(run.services.files, run.programFolder);
        if (auto* failure = std::get_if<Failure>(&script)) {
            return std::move(*failure);
        }
        plan.script = std::get<ToolOutputFile>(std::move(script));
    }
    return RunToolJob(run, plan);
}

} // namespace

int RunToolProgram(ToolRun& run, const ToolPlanOrFailure& plan, const ScriptReader& readScript) {
    // The settings are read, and the CAD finds the tool's files, through the
    // ANSI code page: a folder name it cannot write names no file, and every
    // setting would silently take its default.
    if (const Text character = FirstUnencodableCharacter(run.programFolder); !character.empty()) {
        run.services.messages.ShowMessage(
            run.toolName, ProgramFolderUnusableMessage(run.programFolder, character));
        return ExitCodeOf(StopKind::Settings);
    }
    const Status status = PlanAndRunJob(run, plan, readScript);
    if (!status.ok()) {
        run.services.messages.ShowMessage(run.toolName, status.failure().message);
        return ExitCodeOf(status.failure().kind);
    }
    return kPastedExitCode;
}

} // namespace vr

#include "process/EntrySequence.h"

#include "files/ToolFiles.h"
#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"
#include "text/AnsiText.h"

namespace vr {

int RunEntrySequence(ToolRun& run, const ToolJob& job, const ToolJob& beforeDelay) {
    // The settings are read, and the CAD finds the tool's files, through the
    // ANSI code page: a folder name it cannot write names no file, and every
    // setting would silently take its default.
    if (const Text character = FirstUnencodableCharacter(run.programFolder); !character.empty()) {
        run.services.messages.ShowMessage(
            run.toolName, ProgramFolderUnusableMessage(run.programFolder, character));
        return ExitCodeOf(StopKind::Settings);
    }
    if (beforeDelay) {
        if (Status status = beforeDelay(run); !status.ok()) {
            run.services.messages.ShowMessage(run.toolName, status.failure().message);
            return ExitCodeOf(status.failure().kind);
        }
    }
    const std::optional<std::int16_t> factor =
        ReadDelayFactor(run.services.files, run.programFolder);
    if (factor) {
        run.delayFactor = *factor;
    } else {
        run.services.messages.ShowMessage(run.toolName, kDelayFileMessage);
        run.delayFactor = kDefaultDelayFactor;
    }
    const Status status = job(run);
    if (!status.ok()) {
        run.services.messages.ShowMessage(run.toolName, status.failure().message);
        return ExitCodeOf(status.failure().kind);
    }
    return kPastedExitCode;
}

// The request belongs to the run that pastes its load command: the lock is
// taken before the file is written, so that a second run cannot replace the
// request that this run's routine is about to read, and the job keeps it.
Status WriteRequestFile(ToolRun& run, const ToolJobPlan& plan) {
    if (!plan.requestFile) {
        return Status::Ok();
    }
    RunLock& lock = run.services.desktop.runLock;
    if (Status status = TakeRunLock(lock); !status.ok()) {
        return status;
    }
    Status written = WriteToolOutputFile(run.services.files, run.programFolder,
                                         plan.requestFile->fileName, plan.requestFile->content);
    if (!written.ok()) {
        lock.ReleaseRunLock();
    } else {
        run.runLockHeld = true;
    }
    return written;
}

Status RunPlannedJob(ToolRun& run, const ToolJobPlan& plan) {
    if (!plan.buildScript) {
        return RunToolJob(run, plan);
    }
    auto built = plan.buildScript(run.services.files, run.programFolder);
    if (auto* failure = std::get_if<Failure>(&built)) {
        return std::move(*failure);
    }
    ToolJobPlan job = plan;
    job.toolStep = [script = std::get<ToolOutputFile>(std::move(built))](FileAccess& files,
                                                                         TextView programFolder) {
        return WriteToolOutputFile(files, programFolder, script.fileName, script.content);
    };
    return RunToolJob(run, job);
}

int RunToolProgram(ToolRun& run, const ToolPlanOrFailure& planOrFailure) {
    if (const auto* failure = std::get_if<Failure>(&planOrFailure)) {
        return RunEntrySequence(
            run, [](ToolRun&) { return Status::Ok(); },
            [&](ToolRun&) -> Status { return *failure; });
    }
    const ToolJobPlan& plan = std::get<ToolJobPlan>(planOrFailure);
    return RunEntrySequence(
        run, [&](ToolRun& r) { return RunPlannedJob(r, plan); },
        [&](ToolRun& r) { return WriteRequestFile(r, plan); });
}

} // namespace vr

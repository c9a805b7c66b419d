#include "process/EntrySequence.h"

#include "files/ToolFiles.h"
#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"

namespace vr {

int RunEntrySequence(ToolRun& run, const ToolJob& job, const ToolJob& beforeDelay) {
    if (beforeDelay) {
        if (const Outcome outcome = beforeDelay(run)) {
            run.services.messages.ShowMessage(run.toolName, outcome->message);
            return ExitCodeOf(outcome->kind);
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
    const Outcome outcome = job(run);
    if (outcome) {
        run.services.messages.ShowMessage(run.toolName, outcome->message);
        return ExitCodeOf(outcome->kind);
    }
    return kPastedExitCode;
}

Outcome WriteRequestFile(ToolRun& run, const ToolJobPlan& plan) {
    if (!plan.requestFile) {
        return kSucceeded;
    }
    return WriteToolOutputFile(run.services.files, run.programFolder, plan.requestFile->fileName,
                               plan.requestFile->content);
}

Outcome RunPlannedJob(ToolRun& run, const ToolJobPlan& plan) {
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
            run, [](ToolRun&) { return kSucceeded; },
            [&](ToolRun&) -> Outcome { return *failure; });
    }
    const ToolJobPlan& plan = std::get<ToolJobPlan>(planOrFailure);
    return RunEntrySequence(
        run, [&](ToolRun& r) { return RunPlannedJob(r, plan); },
        [&](ToolRun& r) { return WriteRequestFile(r, plan); });
}

} // namespace vr

#include "job/RunToolJob.h"

#include "job/JobSequence.h"
#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"

#include <utility>
#include <variant>

namespace vr {

Status LoadSettingsStep(ToolRun& run) {
    run.settingsFolder = SettingsFolderOf(run.programFolder);
    // Without the file every setting would take its default, and the user
    // would be told that no CAD runs.
    const Text path = SettingsFilePath(run.settingsFolder);
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

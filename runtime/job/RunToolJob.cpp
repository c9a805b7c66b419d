#include "job/RunToolJob.h"

#include "startup/ProgramFolder.h"

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

Outcome RunToolJob(ToolRun& run) {
    return LoadSettingsStep(run);
}

} // namespace vr

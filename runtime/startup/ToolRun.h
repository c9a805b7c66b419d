#pragma once

#include "discovery/CadInstances.h"
#include "platform/Desktop.h"
#include "platform/Services.h"
#include "settings/ToolSettings.h"
#include "startup/DelayFactor.h"
#include "startup/Failure.h"
#include "window/ToolMainWindow.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace vr {

// The state of one tool process: set once by the entry sequence and the
// first step of the job, then read by the rest of the job.
struct ToolRun {
    ToolRun(ToolServices services_, Text toolName_, Text programFolder_)
        : services(services_), toolName(std::move(toolName_)),
          programFolder(std::move(programFolder_)) {}

    ToolServices services;
    Text toolName; // also the caption of every message box the tool shows
    Text programFolder;
    std::int16_t delayFactor = kDefaultDelayFactor;
    Text settingsFolder;
    ToolSettings settings;
    DiscoveryState discovery;
};

using ToolJob = std::function<Outcome(ToolRun&)>;

// The entry sequence of a tool: a step of the tool's own that comes first
// (gaugeread's command line; none for the others), then delay.dat into the
// delay factor (on any failure one message and the default), then the job
// once. A failure is reported once. Returns the process exit code: 0 when
// the job succeeded, 1 when it stopped with a failure.
[[nodiscard]] int RunEntrySequence(ToolRun& run, const ToolJob& job,
                                   const ToolJob& beforeDelay = nullptr);

} // namespace vr

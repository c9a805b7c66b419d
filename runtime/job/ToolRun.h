#pragma once

#include "discovery/CadInstances.h"
#include "platform/ToolServices.h"
#include "settings/ToolSettings.h"
#include "timing/DelayFactor.h"
#include "window/MainWindowOperations.h"

#include <cstdint>
#include <utility>

namespace vr {

// The state of one tool process: set once by the entry sequence and the
// first step of the job, then read by the rest of the job and by the
// operations of the hidden main window.
struct ToolRun : NonCopyable {
    ToolRun(ToolServices services_, Text toolName_, Text programFolder_)
        : services(services_), toolName(std::move(toolName_)),
          programFolder(std::move(programFolder_)) {}

    ToolServices services;
    Text toolName; // also the caption of every message box the tool shows
    Text programFolder;
    std::int16_t delayFactor = kDefaultDelayFactor;
    // The run lock taken before the job (gaugeread takes it before it writes
    // its request); the job then keeps it and gives it back at its end.
    bool runLockHeld = false;
    Text settingsFolder;
    ToolSettings settings;
    DiscoveryState discovery;
    // frmMain's operations over this run's settings and discovery results.
    MainWindowOperations window{services.desktop, services.messages, services.mainWindow,
                                settings,         discovery,         toolName};
};

} // namespace vr

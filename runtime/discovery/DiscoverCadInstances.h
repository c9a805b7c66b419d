#pragma once

#include "discovery/CadInstances.h"
#include "platform/Desktop.h"
#include "platform/ToolMainWindow.h"
#include "settings/ToolSettings.h"

namespace vr {

// Whoever owns the instance list cmbFileName. Its first touch creates the
// tool's main window, whose load step runs a discovery of its own; the
// window's side decides what that step does.
class InstanceListSource : NonCopyable {
  public:
    virtual ~InstanceListSource() = default;
    [[nodiscard]] virtual InstanceList& TouchInstanceList() = 0;
};

// Finds the running CAD processes (executable base name equal to ACADName),
// their main and text windows and command areas, fills InstanceTable and
// the list cmbFileName, and selects the last entry.
void DiscoverCadInstances(const Desktop& desktop, const ToolSettings& settings,
                          DiscoveryState& state, InstanceListSource& lists);

} // namespace vr

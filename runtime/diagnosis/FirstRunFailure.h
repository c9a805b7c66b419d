#pragma once

#include "discovery/CadInstances.h"
#include "outcome/Status.h"
#include "platform/Desktop.h"
#include "platform/FileAccess.h"
#include "settings/ToolSettings.h"

namespace vr {

enum class FirstRunFault { NoCad, NoMainWindow, NoCommandArea };

// The stop of a run that found no CAD, no main window or no command area:
// surveys the windows of the processes that could be the CAD, writes the
// window report cadwindows.txt beside the tool (replacing an older one),
// and returns the message that names what was seen, proposes the ZuDuv.ini
// line and ends with the report's path. cad: the row the run chose, null
// when none. Reads only; nothing on the desktop is changed.
[[nodiscard]] Failure FirstRunFailure(const Desktop& desktop, FileAccess& files,
                                      TextView programFolder, const ToolSettings& settings,
                                      FirstRunFault fault, const CadInstance* cad);

} // namespace vr

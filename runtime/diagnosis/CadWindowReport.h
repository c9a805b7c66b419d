#pragma once

#include "diagnosis/FirstRunProposals.h"
#include "diagnosis/WindowSurvey.h"
#include "text/Text.h"

#include <optional>
#include <vector>

namespace vr {

// The window report a failed first run leaves beside the tool, for the user
// to fill ZuDuv.ini from and to send to support.
inline constexpr TextView kCadWindowReportName = u"cadwindows.txt";

// The report's text in the ANSI code page, every line ended by CR LF: for
// each process that could be the CAD its executable and its window tree
// (handle, owner, class, title, control ID, rectangle, visibility, indented
// by depth), then, where no command area was found, the windows that could
// be the command line with whether each is shown (one the user hid is found
// but cannot be clicked), then the ZuDuv.ini lines proposed. The process
// and the windows a proposed line came from are marked with its key.
// Nothing else of the machine is in it.
[[nodiscard]] Bytes CadWindowReportBytes(const std::vector<SurveyedProcess>& processes,
                                         const FirstRunFindings& findings);

} // namespace vr

#pragma once

#include "files/ToolFiles.h"
#include "outcome/Failure.h"
#include "platform/FileAccess.h"

namespace vr::pinmark {

// go.lsp for the points of senten.txt: six lines, CR LF, in the ANSI code
// page. The first line "node" (exactly) asks for points, anything else for a
// chain of lines; each data line is copied with its commas turned into spaces.
[[nodiscard]] Bytes PointLineScript(const InputLines& senten);

// The tool step: senten.txt beside the program into go.lsp beside it.
[[nodiscard]] Outcome WritePointLineScript(FileAccess& files, TextView programFolder);

} // namespace vr::pinmark

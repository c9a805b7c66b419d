#pragma once

#include "files/ToolFiles.h"
#include "startup/Failure.h"
#include "startup/ToolRun.h"

namespace vr::pinmark {

inline constexpr std::size_t kMaxDataLines = 100;

// go.lsp for the points of senten.txt: six lines, CR LF, in the ANSI code
// page. The first line "node" (exactly) asks for points, anything else for a
// chain of lines; each data line is copied with its commas turned into spaces.
[[nodiscard]] Bytes PointLineScript(const InputLines& senten);

// The tool step: senten.txt beside the program into go.lsp beside it.
[[nodiscard]] Outcome WritePointLineScript(ToolRun& run);

// escape, (load "go"), CR LF.
[[nodiscard]] Text PinmarkLoadCommand();

} // namespace vr::pinmark

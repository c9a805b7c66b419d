#pragma once

#include "files/ToolFiles.h"
#include "job/ToolJobPlan.h"
#include "outcome/Failure.h"
#include "platform/FileAccess.h"

namespace vr::pinmark {

// go.lsp for the points of senten.txt: six lines, CR LF, in the ANSI code
// page. The first line "node" (exactly) asks for points, anything else for a
// chain of lines; each data line is copied with its commas turned into spaces.
[[nodiscard]] Bytes PointLineScript(const InputLines& senten);

// Every data line two or three numbers separated by commas, each a number
// as AutoLISP reads one; the failure names the line and the value. path:
// the file's path for the message.
[[nodiscard]] Outcome CheckPointLines(const InputLines& senten, TextView path);

// senten.txt beside the program, checked, into go.lsp.
[[nodiscard]] std::variant<ToolOutputFile, Failure> BuildPointLineScript(FileAccess& files,
                                                                         TextView programFolder);

} // namespace vr::pinmark

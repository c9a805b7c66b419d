#pragma once

#include "files/ToolFiles.h"
#include "outcome/Status.h"
#include "platform/FileAccess.h"

namespace vr::pinmark {

// The mode line that asks for points; anything else asks for a chain of
// lines.
inline constexpr TextView kPointMode = u"node";

// go.lsp for the points of senten.txt: six lines, CR LF, in the ANSI code
// page. The first line "node" (exactly) asks for points, anything else for a
// chain of lines; each data line is copied with its commas turned into spaces.
[[nodiscard]] Bytes PointLineScript(const InputLines& senten);

// The file means what it will draw: every data line two or three numbers as
// AutoLISP reads them, separated by commas or blanks (runs of them count as
// one), and a mode line that is node in all but form is refused rather than
// drawn as lines. The failure names the line and the value, with the slip
// that explains it. path: the file's path for the message.
[[nodiscard]] Status CheckPointLines(const InputLines& senten, TextView path);

// senten.txt beside the program, checked, into go.lsp.
[[nodiscard]] std::variant<ToolOutputFile, Failure> BuildPointLineScript(FileAccess& files,
                                                                         TextView programFolder);

} // namespace vr::pinmark

#pragma once

#include "files/ToolFiles.h"
#include "outcome/Status.h"
#include "platform/FileAccess.h"

#include <optional>

#include <variant>

namespace vr::labelpen {

// The parameter line split at its first space: the answers to the text
// command's height and rotation prompts, written as they stand.
struct TextParameters {
    Text height;
    Text angle;
};

// nullopt when the line holds no space.
[[nodiscard]] std::optional<TextParameters> SplitParameterLine(TextView line);

// go.lsp for the items: for each, a prompt that names it and asks for its
// point, the text command, and a line break on the command line; CR LF, in
// the ANSI code page; empty for no items. Items are escaped for the string
// literals they stand in.
[[nodiscard]] Bytes TextPlacementScript(const TextParameters& parameters,
                                        const std::vector<Text>& items);

// mojidata.txt beside the program, checked, into go.lsp: the first line must
// hold the height and the angle, two numbers as AutoLISP reads them with
// blanks around and between them.
[[nodiscard]] std::variant<ToolOutputFile, Failure>
BuildTextPlacementScript(FileAccess& files, TextView programFolder);

} // namespace vr::labelpen

#pragma once

#include "outcome/Status.h"
#include "platform/FileAccess.h"
#include "text/Text.h"

#include <functional>
#include <optional>
#include <variant>

namespace vr {

// A tool's own step: writes its script file beside the program once the CAD
// has been clicked.
using ToolStep = std::function<Status(FileAccess& files, TextView programFolder)>;

// A file of the tool written whole.
struct ToolOutputFile {
    Text fileName;
    Bytes content;
};

// Reads and checks a tool's input and builds its script, before the desktop
// is touched: a bad input then costs the user nothing.
using ScriptBuilder =
    std::function<std::variant<ToolOutputFile, Failure>(FileAccess& files, TextView programFolder)>;

// What makes one tool's run its own. Built with designated initializers:
//   ToolJobPlan{.buildScript = BuildPointLineScript, .loadCommand = LoadCommandFor(u"go")}
struct ToolJobPlan {
    // Written before delay.dat is read (gaugeread's request); none for the
    // others.
    std::optional<ToolOutputFile> requestFile;
    // Run after delay.dat is read; its file is written by the tool step.
    ScriptBuilder buildScript;
    // Run once the CAD has been clicked.
    ToolStep toolStep;
    // The text pasted into the CAD command line.
    Text loadCommand;
    // Empty the clipboard again after the paste (and wait once more).
    bool emptyClipboardAfterPaste = true;
};

// The load command for a file name without folder or extension: escape,
// (load "name"), CR LF.
[[nodiscard]] Text LoadCommandFor(TextView name);

} // namespace vr

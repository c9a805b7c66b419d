#pragma once

#include "files/ToolFiles.h"
#include "text/Text.h"

#include <optional>

namespace vr {

// What one tool run writes and pastes, all of it known before the job
// starts: a bad input has then stopped the run before the desktop is
// touched. Built with designated initializers:
//   ToolJobPlan{.script = goLsp, .loadCommand = LoadCommandFor(u"go")}
struct ToolJobPlan {
    // gaugeread's request, written before delay.dat is read, under the run
    // lock that the job then keeps; none for the others.
    std::optional<ToolOutputFile> request;
    // pinmark's and labelpen's script, written once the CAD has been
    // clicked (the job's tool step); none for gaugeread.
    std::optional<ToolOutputFile> script;
    // The text pasted into the CAD command line.
    Text loadCommand;
    // Empty the clipboard again after the paste (and wait once more).
    bool emptyClipboardAfterPaste = true;
};

// The load command for a file name without folder or extension: escape,
// (load "name"), CR LF.
[[nodiscard]] Text LoadCommandFor(TextView name);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace vr {

// A window of the tools that could not be created: says which one, with the
// platform's error code, under the window's own caption.
void ReportWindowNotCreated(TextView windowName);

// The same for the controls of the shown main window, created from inside
// its window procedure, where nothing can be handed back: the process ends
// (exit code 1).
[[noreturn]] void EndWithWindowNotCreated(TextView windowName);

} // namespace vr

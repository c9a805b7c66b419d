#pragma once

#include "text/Text.h"

namespace vr {

// A window of the tools that could not be created: says which one, with the
// platform's error code, under the window's own caption.
void ReportWindowNotCreated(TextView windowName);

// The same for the hidden main window, which a tool run cannot do without:
// the process ends (exit code 1) before the desktop is touched.
[[noreturn]] void EndWithWindowNotCreated(TextView windowName);

} // namespace vr

#pragma once

#include "platform/WindowTree.h"
#include "text/Text.h"

#include <vector>

namespace vr {

// The command line found by its window class, where it carries no title to
// find it by: first among the descendants of the main window (a command
// line docked deep in a panel), then among the process's other top-level
// windows, each itself before its descendants (a floating command line, a
// top-level window owned by the main window). Class names are compared
// exactly. 0 when no window has the class.
[[nodiscard]] Hwnd FindCommandLineByClass(WindowTree& tree, Hwnd mainWindow,
                                          const std::vector<Hwnd>& topLevelWindows,
                                          TextView commandClass);

} // namespace vr

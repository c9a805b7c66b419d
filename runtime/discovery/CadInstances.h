#pragma once

#include "platform/DesktopTypes.h"
#include "platform/WindowTree.h"
#include "text/Text.h"

#include <vector>

namespace vr {

// One running CAD process and the windows found in it.
struct CadInstance {
    Text DocumentName;
    Hwnd MainWindow = 0;
    Hwnd MainCommandWindow = 0;
    Hwnd TextWindow = 0;
    Hwnd TextCommandWindow = 0;
    // The process the row was found in.
    std::uint32_t ProcessId = 0;
    // The caption search under MainWindow found a window titled
    // CommandCaption; MainCommandWindow is then that window, not one carried
    // over from an earlier search.
    bool MainCommandAreaFound = false;
};

// The process-wide results of discovery. Row 0 of the table is never used;
// LastCommandWindow survives every reset of the table.
struct DiscoveryState {
    std::vector<CadInstance> InstanceTable{CadInstance{}};
    Hwnd LastCommandWindow = 0;
};

// The whole title of a window, as the system keeps it; empty when it has
// none.
[[nodiscard]] Text GetWindowCaption(WindowTree& tree, Hwnd window);

// The drawing name cut from a CAD main window title: from the third
// character after the first "-" to the end, without the last character. A
// character outside the Basic Multilingual Plane (a surrogate pair) counts
// as one, so that no cut leaves half of one.
[[nodiscard]] Text DocumentNameFromTitle(TextView title);

} // namespace vr

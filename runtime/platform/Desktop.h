#pragma once

#include "platform/ClipboardAccess.h"
#include "platform/CursorControl.h"
#include "platform/ProcessIntegrity.h"
#include "platform/ProcessSnapshots.h"
#include "platform/RunLock.h"
#include "platform/SyntheticInput.h"
#include "platform/WindowControl.h"
#include "platform/WindowMessaging.h"
#include "platform/WindowTree.h"
#include "winsupport/core/Clock.h"

namespace vr {

// The seam between the tools' logic and the desktop: small services whose
// operations mirror one platform call each (or one fixed group of calls that
// always go together, such as a snapshot walk), so that a recording fake can
// show the exact order and the Win32 implementation forwards one to one.
struct Desktop {
    CursorControl& cursor;
    WindowControl& windows;
    WindowTree& tree;
    WindowMessaging& messaging;
    SyntheticInput& input;
    ClipboardAccess& clipboard;
    Clock& clock;
    ProcessSnapshots& processes;
    RunLock& runLock;
    ProcessIntegrity& integrity;
};

} // namespace vr

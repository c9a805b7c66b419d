#pragma once

#include "platform/Desktop.h"
#include "platform/FileAccess.h"
#include "platform/MessageBoxes.h"
#include "platform/ProfileAccess.h"
#include "platform/ToolMainWindow.h"

namespace vr {

// Everything a tool process reaches the platform through.
struct ToolServices {
    Desktop desktop;
    FileAccess& files;
    ProfileAccess& profiles;
    MessageBoxes& messages;
    ToolMainWindow& mainWindow;
};

} // namespace vr

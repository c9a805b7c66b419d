#pragma once

#include "outcome/Status.h"
#include "platform/ProfileAccess.h"
#include "settings/ToolPaths.h"
#include "text/Text.h"

#include <cstdint>
#include <variant>

namespace vr {

// Section "Main" of ZuDuv.ini: what identifies the CAD release in use.
struct ToolSettings {
    Text ACADName;
    Text CommandCaption;
    Text MainCaption;
    Text TextCaption;
    std::int32_t MainCmdCtrlID = 0;
    std::int32_t TextCmdCtrlID = 0;
    std::int32_t MainHistCtrlID = 0;
    std::int32_t TextHistCtrlID = 0;
    // Optional: the window class of the command line, searched only where
    // no window titled CommandCaption was found under the main window (a
    // floating or docked command line). Empty (the key absent or empty):
    // no such search.
    Text CommandClass;
};

inline constexpr TextView kSettingsSection = u"Main";

// Reads the eight keys in their fixed order from "<settingsFolder>ZuDuv.ini",
// then the optional CommandClass.
// Text values are kept unchanged; numeric values take their leading number,
// rounded half to even. A numeric value outside the signed 32-bit range is a
// failure that names the file, the key and the value.
[[nodiscard]] std::variant<ToolSettings, Failure> LoadToolSettings(ProfileAccess& profiles,
                                                                   TextView settingsFolder);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace vr {

// The settings file's name without its extension: "<SettingsFolder>ZuDuv.ini".
inline constexpr TextView kSettingsBaseName = u"ZuDuv";

// The program folder with one backslash appended unless it already ends in
// one; names the settings file.
[[nodiscard]] Text SettingsFolderOf(TextView programFolder);

// A profile file in the settings folder: the folder, the base name, ".ini".
[[nodiscard]] Text IniFilePath(TextView settingsFolder, TextView baseName);

// The tools' settings file, ZuDuv.ini in the settings folder.
[[nodiscard]] Text SettingsFilePath(TextView settingsFolder);

// A tool file beside the program: folder, one backslash, the name. The
// backslash is added even at a drive root; the file system accepts "C:\\x".
[[nodiscard]] Text ToolFilePath(TextView programFolder, TextView fileName);

} // namespace vr

#pragma once

#include "text/Text.h"

namespace vr {

// The program folder with one backslash appended unless it already ends in
// one; names the settings file.
[[nodiscard]] Text SettingsFolderOf(TextView programFolder);

// A tool file beside the program: folder, one backslash, the name. The
// backslash is added even at a drive root; the file system accepts "C:\\x".
[[nodiscard]] Text ToolFilePath(TextView programFolder, TextView fileName);

} // namespace vr

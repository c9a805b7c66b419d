#pragma once

#include "text/Text.h"

namespace vr {

// The folder of the running program as the platform names it: no trailing
// backslash, except at a drive root ("C:\").
[[nodiscard]] Text ProgramFolderFromModulePath(TextView modulePath);

// The program folder with one backslash appended unless it already ends in
// one; names the settings file.
[[nodiscard]] Text SettingsFolderOf(TextView programFolder);

// A tool file beside the program: folder, one backslash, the name. The
// backslash is added even at a drive root; the file system accepts "C:\\x".
[[nodiscard]] Text ToolFilePath(TextView programFolder, TextView fileName);

} // namespace vr

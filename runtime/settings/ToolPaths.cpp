#include "settings/ToolPaths.h"

#include "winsupport/core/PathJoin.h"

namespace vr {

Text SettingsFolderOf(TextView programFolder) {
    return FolderWithSeparator(programFolder);
}

Text IniFilePath(TextView settingsFolder, TextView baseName) {
    Text path(settingsFolder);
    path += baseName;
    path += u".ini";
    return path;
}

Text SettingsFilePath(TextView settingsFolder) {
    return IniFilePath(settingsFolder, kSettingsBaseName);
}

Text ToolFilePath(TextView programFolder, TextView fileName) {
    Text path(programFolder);
    path.push_back(u'\\');
    path.append(fileName);
    return path;
}

} // namespace vr

#include "settings/ToolPaths.h"

namespace vr {

Text SettingsFolderOf(TextView programFolder) {
    Text folder(programFolder);
    if (folder.empty() || folder.back() != u'\\') {
        folder.push_back(u'\\');
    }
    return folder;
}

Text ToolFilePath(TextView programFolder, TextView fileName) {
    Text path(programFolder);
    path.push_back(u'\\');
    path.append(fileName);
    return path;
}

} // namespace vr

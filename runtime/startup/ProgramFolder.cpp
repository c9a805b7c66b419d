#include "startup/ProgramFolder.h"

namespace vr {

Text ProgramFolderFromModulePath(TextView modulePath) {
    const std::size_t lastSeparator = modulePath.rfind(u'\\');
    if (lastSeparator == TextView::npos) {
        return Text(modulePath);
    }
    Text folder(modulePath.substr(0, lastSeparator));
    if (folder.size() == 2 && folder[1] == u':') {
        folder.push_back(u'\\');
    }
    return folder;
}

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

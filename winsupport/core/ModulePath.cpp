#include "winsupport/core/ModulePath.h"

namespace vr {

std::u16string FolderOfModulePath(std::u16string_view modulePath) {
    const std::size_t lastSeparator = modulePath.rfind(u'\\');
    if (lastSeparator == std::u16string_view::npos) {
        return std::u16string(modulePath);
    }
    std::u16string folder(modulePath.substr(0, lastSeparator));
    if (folder.size() == 2 && folder[1] == u':') {
        folder.push_back(u'\\');
    }
    return folder;
}

} // namespace vr

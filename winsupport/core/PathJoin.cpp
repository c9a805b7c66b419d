#include "winsupport/core/PathJoin.h"

namespace vr {

std::u16string FolderWithSeparator(std::u16string_view folder) {
    std::u16string path(folder);
    if (path.empty() || (path.back() != u'\\' && path.back() != u'/')) {
        path += u'\\';
    }
    return path;
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string path = FolderWithSeparator(folder);
    path += name;
    return path;
}

} // namespace vr

#pragma once

#include "cad/Entity.h"

#include <optional>
#include <vector>

namespace vr {
class FileAccess;
}

namespace standin {

// The stand-in's files, all through the runtime's file access.

// The CAD's file search: a name with a folder part (\, / or :) is taken as
// it stands, any other is looked for in each support folder in turn. The
// path of the first file that can be read, nullopt when none can.
[[nodiscard]] std::optional<Text>
FindSupportFile(vr::FileAccess& files, const std::vector<Text>& supportFolders, TextView name);

// An AutoLISP source decoded from the ANSI code page; nullopt when it
// cannot be read.
[[nodiscard]] std::optional<Text> ReadSourceFile(vr::FileAccess& files, TextView path);

// The drawing saved as DXF; false when the file could not be written.
[[nodiscard]] bool SaveDxfFile(vr::FileAccess& files, TextView path,
                               const std::vector<Entity>& entities);

} // namespace standin

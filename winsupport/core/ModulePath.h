#pragma once

#include <string>
#include <string_view>

namespace vr {

// The folder of a program from its full path as the platform names it: no
// trailing backslash, except at a drive root ("C:\"), since "C:" alone would
// name the current folder of drive C. A path without a backslash is its own
// folder.
[[nodiscard]] std::u16string FolderOfModulePath(std::u16string_view modulePath);

} // namespace vr

#pragma once

#include <string>

namespace vr {

// The full path of the running program, however long.
[[nodiscard]] std::u16string RunningProgramPath();

// The folder that holds the running program (see FolderOfModulePath).
[[nodiscard]] std::u16string RunningProgramFolder();

} // namespace vr

#pragma once

namespace vr {
class FileAccess;
}

namespace standin {

// The runtime's Win32 file access, one for the program. Kept apart in its
// own file: the runtime's platform headers and the support library's cannot
// share a translation unit.
[[nodiscard]] vr::FileAccess& ProgramFiles();

} // namespace standin

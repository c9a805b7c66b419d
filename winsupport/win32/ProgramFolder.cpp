#include "winsupport/win32/ProgramFolder.h"

#include "winsupport/core/ModulePath.h"
#include "winsupport/win32/WideText.h"

#include <windows.h>

#include <vector>

namespace vr {

std::u16string RunningProgramPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return FromWide(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

std::u16string RunningProgramFolder() {
    return FolderOfModulePath(RunningProgramPath());
}

} // namespace vr

#include "app/ProgramFiles.h"

#include "platform/win32/Win32FileAccess.h"

namespace standin {

vr::FileAccess& ProgramFiles() {
    static vr::Win32FileAccess files;
    return files;
}

} // namespace standin

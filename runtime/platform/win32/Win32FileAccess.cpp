#include "platform/win32/Win32FileAccess.h"

#include "winsupport/win32/FileReader.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/WideText.h"

#include <string>

namespace vr {

std::optional<Bytes> Win32FileAccess::ReadWholeFile(TextView path) {
    return vr::ReadWholeFile(WideZ(path));
}

bool Win32FileAccess::ReplaceWholeFile(TextView path, BytesView bytes) {
    const std::wstring target = WideZ(path);
    const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    bool written = false;
    {
        const UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid()) {
            return false;
        }
        DWORD count = 0;
        written = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count,
                            nullptr) &&
                  count == bytes.size() && FlushFileBuffers(file.Get());
    }
    if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace vr

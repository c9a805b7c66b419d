#include "winsupport/win32/AppendingFile.h"

namespace vr {

bool AppendingFile::Open(const std::wstring& path) {
    file_.Reset(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH,
                            nullptr));
    return file_.IsValid();
}

bool AppendingFile::Append(std::string_view bytes) {
    if (!file_.IsValid()) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

} // namespace vr

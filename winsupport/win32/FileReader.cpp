#include "winsupport/win32/FileReader.h"

#include "winsupport/win32/Handles.h"

namespace vr {

std::optional<std::string> ReadWholeFile(const std::wstring& path, WhileReading sharing) {
    const DWORD share = sharing == WhileReading::OthersMayRead ? FILE_SHARE_READ
                                                               : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return std::nullopt;
    }
    std::string content;
    char chunk[4096];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            return content;
        }
        content.append(chunk, read);
    }
}

} // namespace vr

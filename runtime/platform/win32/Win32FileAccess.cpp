#include "platform/win32/Win32FileAccess.h"

#include "winsupport/win32/FileReader.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/SystemErrorText.h"
#include "winsupport/win32/WideText.h"

#include <string>
#include <utility>

namespace vr {

std::optional<Bytes> Win32FileAccess::ReadWholeFile(TextView path) {
    return vr::ReadWholeFile(WideZ(path));
}

BoundedRead Win32FileAccess::ReadFileUpTo(TextView path, std::uint64_t maxBytes) {
    FileRead read = vr::ReadFileUpTo(WideZ(path), maxBytes);
    switch (read.status) {
    case FileRead::Status::Read:
        return {
            .status = BoundedRead::Status::Read, .bytes = std::move(read.bytes), .size = read.size};
    case FileRead::Status::TooLarge:
        return {.status = BoundedRead::Status::TooLarge, .size = read.size};
    case FileRead::Status::Missing:
        break;
    }
    return {};
}

bool Win32FileAccess::FileExists(TextView path) {
    const DWORD attributes = GetFileAttributesW(WideZ(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileWrite Win32FileAccess::ReplaceWholeFile(TextView path, BytesView bytes) {
    const std::wstring target = WideZ(path);
    const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    DWORD error = ERROR_SUCCESS;
    {
        const UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid()) {
            return {.reason = SystemErrorText(GetLastError())};
        }
        DWORD count = 0;
        if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count,
                       nullptr) ||
            !FlushFileBuffers(file.Get())) {
            error = GetLastError();
        } else if (count != bytes.size()) {
            error = ERROR_DISK_FULL;
        }
    }
    if (error == ERROR_SUCCESS && MoveFileExW(temporary.c_str(), target.c_str(),
                                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {.written = true};
    }
    if (error == ERROR_SUCCESS) {
        error = GetLastError();
    }
    DeleteFileW(temporary.c_str());
    return {.reason = SystemErrorText(error)};
}

} // namespace vr

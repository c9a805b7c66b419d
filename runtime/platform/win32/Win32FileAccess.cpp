#include "platform/win32/Win32Services.h"

#include "platform/win32/WideText.h"

#include <windows.h>

#include <string>

namespace vr {
namespace {

class FileHandle : NonCopyable {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsValid()) {
            CloseHandle(handle_);
        }
    }
    [[nodiscard]] bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

} // namespace

std::optional<Bytes> Win32FileAccess::ReadWholeFile(TextView path) {
    const FileHandle file(CreateFileW(WideZ(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return std::nullopt;
    }
    Bytes content;
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

bool Win32FileAccess::ReplaceWholeFile(TextView path, BytesView bytes) {
    const std::wstring target = WideZ(path);
    const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    bool written = false;
    {
        const FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
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

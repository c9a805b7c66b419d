#include "winsupport/win32/FileReader.h"

#include "winsupport/win32/Handles.h"

#include <utility>

namespace vr {

FileRead ReadFileUpTo(const std::wstring& path, std::uint64_t maxBytes, WhileReading sharing) {
    const DWORD share = sharing == WhileReading::OthersMayRead ? FILE_SHARE_READ
                                                               : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.IsValid() || !GetFileSizeEx(file.Get(), &size)) {
        return {};
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        return {.status = FileRead::Status::TooLarge,
                .size = static_cast<std::uint64_t>(size.QuadPart)};
    }
    // Read to the end rather than the size seen: a log may grow meanwhile.
    FileRead read{.status = FileRead::Status::Read};
    read.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[4096];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &count, nullptr)) {
            return {};
        }
        if (count == 0) {
            break;
        }
        if (read.bytes.size() + count > maxBytes) {
            return {.status = FileRead::Status::TooLarge, .size = read.bytes.size() + count};
        }
        read.bytes.append(chunk, count);
    }
    read.size = read.bytes.size();
    return read;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path, WhileReading sharing) {
    FileRead read = ReadFileUpTo(path, std::numeric_limits<std::uint64_t>::max(), sharing);
    if (read.status != FileRead::Status::Read) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

} // namespace vr

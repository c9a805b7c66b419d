#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace vr {

enum class WhileReading {
    OthersMayRead,         // a file being written is not read half-way
    OthersMayReadAndWrite, // a log another program keeps appending to
};

// A file read whole, or why not: missing (or unreadable), or larger than
// the caller takes, with the size it has.
struct FileRead {
    enum class Status { Read, Missing, TooLarge };
    Status status = Status::Missing;
    std::string bytes;      // when Read
    std::uint64_t size = 0; // when Read or TooLarge
};

// The file's bytes up to its end when it holds at most maxBytes, so that a
// file no real input reaches is refused before it is loaded.
[[nodiscard]] FileRead ReadFileUpTo(const std::wstring& path, std::uint64_t maxBytes,
                                    WhileReading sharing = WhileReading::OthersMayRead);

// A file's bytes, whole; nullopt when it is missing or cannot be read.
[[nodiscard]] std::optional<std::string>
ReadWholeFile(const std::wstring& path, WhileReading sharing = WhileReading::OthersMayRead);

} // namespace vr

#pragma once

#include <optional>
#include <string>

namespace vr {

enum class WhileReading {
    OthersMayRead,         // a file being written is not read half-way
    OthersMayReadAndWrite, // a log another program keeps appending to
};

// A file's bytes, whole; nullopt when it is missing or cannot be read.
[[nodiscard]] std::optional<std::string>
ReadWholeFile(const std::wstring& path, WhileReading sharing = WhileReading::OthersMayRead);

} // namespace vr

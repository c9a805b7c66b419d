#pragma once

#include "text/Text.h"
#include "winsupport/core/NonCopyable.h"

#include <cstdint>
#include <optional>

namespace vr {

// A read that refuses files above a size, so that a file no real input
// reaches is named before it is loaded.
struct BoundedRead {
    enum class Status { Read, Missing, TooLarge };
    Status status = Status::Missing;
    Bytes bytes;            // when Read
    std::uint64_t size = 0; // when Read or TooLarge
};

// A write, with the system's own words for why it failed.
struct FileWrite {
    bool written = false;
    Text reason; // empty when written or when the system gives none
};

// Whole-file reads and writes.
class FileAccess : NonCopyable {
  public:
    virtual ~FileAccess() = default;
    // nullopt when the file is missing or cannot be read.
    [[nodiscard]] virtual std::optional<Bytes> ReadWholeFile(TextView path) = 0;
    // The whole file when it holds at most maxBytes bytes.
    [[nodiscard]] virtual BoundedRead ReadFileUpTo(TextView path, std::uint64_t maxBytes) = 0;
    [[nodiscard]] virtual bool FileExists(TextView path) = 0;
    // Writes a temporary file in the same folder and lets it replace the
    // file, so that a failure part-way leaves the old file whole.
    [[nodiscard]] virtual FileWrite ReplaceWholeFile(TextView path, BytesView bytes) = 0;
};

} // namespace vr

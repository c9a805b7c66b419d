#pragma once

#include "text/Text.h"
#include "winsupport/core/NonCopyable.h"

#include <optional>

namespace vr {

// Whole-file reads and writes.
class FileAccess : NonCopyable {
  public:
    virtual ~FileAccess() = default;
    // nullopt when the file is missing or cannot be read.
    [[nodiscard]] virtual std::optional<Bytes> ReadWholeFile(TextView path) = 0;
    // Writes a temporary file in the same folder and lets it replace the
    // file, so that a failure part-way leaves the old file whole.
    [[nodiscard]] virtual bool ReplaceWholeFile(TextView path, BytesView bytes) = 0;
};

} // namespace vr

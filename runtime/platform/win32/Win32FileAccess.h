#pragma once

#include "platform/FileAccess.h"

namespace vr {

class Win32FileAccess final : public FileAccess {
  public:
    [[nodiscard]] std::optional<Bytes> ReadWholeFile(TextView path) override;
    [[nodiscard]] BoundedRead ReadFileUpTo(TextView path, std::uint64_t maxBytes) override;
    [[nodiscard]] bool FileExists(TextView path) override;
    [[nodiscard]] FileWrite ReplaceWholeFile(TextView path, BytesView bytes) override;
};

} // namespace vr

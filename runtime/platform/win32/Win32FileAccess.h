#pragma once

#include "platform/FileAccess.h"

namespace vr {

class Win32FileAccess final : public FileAccess {
  public:
    [[nodiscard]] std::optional<Bytes> ReadWholeFile(TextView path) override;
    [[nodiscard]] bool ReplaceWholeFile(TextView path, BytesView bytes) override;
};

} // namespace vr

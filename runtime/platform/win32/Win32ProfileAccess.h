#pragma once

#include "platform/ProfileAccess.h"

namespace vr {

class Win32ProfileAccess final : public ProfileAccess {
  public:
    [[nodiscard]] std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key,
                                                         BytesView defaultValue, char* buffer,
                                                         std::uint32_t size,
                                                         BytesView path) override;
};

} // namespace vr

#pragma once

#include "text/Text.h"
#include "winsupport/core/NonCopyable.h"

#include <cstdint>

namespace vr {

// GetPrivateProfileStringA: all texts in the ANSI code page; stores at most
// size - 1 bytes and a NUL; returns the number of bytes stored without it.
class ProfileAccess : NonCopyable {
  public:
    virtual ~ProfileAccess() = default;
    [[nodiscard]] virtual std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key,
                                                                 BytesView defaultValue,
                                                                 char* buffer, std::uint32_t size,
                                                                 BytesView path) = 0;
};

} // namespace vr

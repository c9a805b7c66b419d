#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

namespace vr {

// Synthetic mouse and keyboard events. Each SendInput passes one record and
// returns how many the platform inserted: 1, or 0 when it refused.
class SyntheticInput : NonCopyable {
  public:
    virtual ~SyntheticInput() = default;
    [[nodiscard]] virtual std::uint32_t MapVirtualKeyA(std::uint32_t code,
                                                       std::uint32_t mapType) = 0;
    [[nodiscard]] virtual std::uint32_t SendInput(const KeyboardInputRecord& record) = 0;
    [[nodiscard]] virtual std::uint32_t SendInput(const MouseInputRecord& record) = 0;
};

} // namespace vr

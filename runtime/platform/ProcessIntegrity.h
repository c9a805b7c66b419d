#pragma once

#include "winsupport/core/NonCopyable.h"

#include <cstdint>
#include <optional>

namespace vr {

// The mandatory integrity level of a process's token (OpenProcessToken,
// GetTokenInformation with TokenIntegrityLevel): the last sub-authority of
// its label, 0x2000 for a program started normally, 0x3000 for one started
// as administrator. The platform drops synthetic input into a program of a
// higher level than the sender's without saying so.
class ProcessIntegrity : NonCopyable {
  public:
    virtual ~ProcessIntegrity() = default;
    // nullopt when the level cannot be read (no access, no such process).
    [[nodiscard]] virtual std::optional<std::uint32_t>
    ProcessIntegrityLevel(std::uint32_t processId) = 0;
    [[nodiscard]] virtual std::optional<std::uint32_t> OwnIntegrityLevel() = 0;
};

} // namespace vr

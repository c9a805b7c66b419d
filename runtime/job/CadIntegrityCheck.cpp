#include "job/CadIntegrityCheck.h"

#include "messages/FirstRunMessages.h"

namespace vr {

Outcome CheckCadIntegrity(ProcessIntegrity& integrity, std::uint32_t processId, TextView acadName) {
    const std::optional<std::uint32_t> cad = integrity.ProcessIntegrityLevel(processId);
    if (!cad) {
        return kSucceeded;
    }
    const std::optional<std::uint32_t> own = integrity.OwnIntegrityLevel();
    if (own && *cad > *own) {
        return Failure{StopKind::CadElevated, ElevatedCadMessage(acadName)};
    }
    return kSucceeded;
}

} // namespace vr

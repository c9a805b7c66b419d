#include "job/CadIntegrityCheck.h"

#include "messages/FirstRunMessages.h"

namespace vr {

Status CheckCadIntegrity(ProcessIntegrity& integrity, std::uint32_t processId, TextView acadName) {
    const std::optional<std::uint32_t> cad = integrity.ProcessIntegrityLevel(processId);
    if (!cad) {
        return Status::Ok();
    }
    const std::optional<std::uint32_t> own = integrity.OwnIntegrityLevel();
    if (own && *cad > *own) {
        return Failure{StopKind::CadElevated, ElevatedCadMessage(acadName)};
    }
    return Status::Ok();
}

} // namespace vr

#include "platform/win32/Win32Desktop.h"

#include <vector>

namespace vr {
namespace {

std::optional<std::uint32_t> TokenIntegrityLevelOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        return std::nullopt;
    }
    const UniqueHandle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    if (size < sizeof(TOKEN_MANDATORY_LABEL)) {
        return std::nullopt;
    }
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
        return std::nullopt;
    }
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
    PSID sid = label->Label.Sid;
    if (!sid || !IsValidSid(sid)) {
        return std::nullopt;
    }
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    if (count == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*GetSidSubAuthority(sid, count - 1U));
}

} // namespace

std::optional<std::uint32_t> Win32ProcessIntegrity::ProcessIntegrityLevel(std::uint32_t processId) {
    // The limited right is granted on a process of a higher level too, which
    // is the one case this read is for.
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process.IsValid()) {
        return std::nullopt;
    }
    return TokenIntegrityLevelOf(process.Get());
}

std::optional<std::uint32_t> Win32ProcessIntegrity::OwnIntegrityLevel() {
    return TokenIntegrityLevelOf(GetCurrentProcess());
}

} // namespace vr

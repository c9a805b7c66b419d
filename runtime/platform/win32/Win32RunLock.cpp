#include "platform/win32/Win32Desktop.h"

namespace vr {

RunLockResult Win32RunLock::AcquireRunLock(std::uint32_t timeoutMs) {
    if (!mutex_.IsValid()) {
        mutex_.Reset(CreateMutexW(nullptr, FALSE, L"Local\\VadoRariri.ToolJob"));
        if (!mutex_.IsValid()) {
            return RunLockResult::Unavailable;
        }
    }
    const DWORD waited = WaitForSingleObject(mutex_.Get(), timeoutMs);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return held_ ? RunLockResult::Acquired : RunLockResult::TimedOut;
}

void Win32RunLock::ReleaseRunLock() {
    if (held_) {
        ReleaseMutex(mutex_.Get());
        held_ = false;
    }
}

} // namespace vr

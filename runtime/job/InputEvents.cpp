#include "job/InputEvents.h"

#include "job/RetryPolicies.h"

namespace vr {

bool SendKeyEvent(const Desktop& desktop, std::uint16_t virtualKey, bool up) {
    KeyboardInputRecord record;
    record.type = kInputKeyboard;
    record.virtualKey = virtualKey;
    record.scanCode = static_cast<std::uint16_t>(
        desktop.input.MapVirtualKeyA(virtualKey, kMapVirtualKeyToScanCode));
    record.flags = kKeyExtended | (up ? kKeyUp : 0);
    return RetryBounded(desktop.clock, kRetryWithoutPump,
                        [&] { return desktop.input.SendInput(record) == 1; });
}

bool SendMouseButton(const Desktop& desktop, std::uint32_t flags) {
    MouseInputRecord record;
    record.type = kInputMouse;
    record.flags = flags;
    return RetryBounded(desktop.clock, kRetryWithoutPump,
                        [&] { return desktop.input.SendInput(record) == 1; });
}

} // namespace vr

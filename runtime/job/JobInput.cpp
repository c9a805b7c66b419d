#include "job/JobInput.h"

#include "job/Retry.h"

namespace vr {
namespace {

constexpr std::uint32_t kExtendedKey = 1;
constexpr std::uint32_t kKeyUp = 2;
constexpr std::uint32_t kClipboardRetryPauseMs = 10;

bool OpenClipboardBounded(Desktop& desktop, Hwnd owner) {
    const std::uint32_t start = desktop.GetTickCount();
    while (!desktop.OpenClipboard(owner)) {
        if (desktop.GetTickCount() - start >= kClipboardBoundMs) {
            return false;
        }
        desktop.Sleep(kClipboardRetryPauseMs);
    }
    return true;
}

std::int32_t FloorHalf(std::int64_t sum) {
    return static_cast<std::int32_t>(sum >= 0 ? sum / 2 : -((-sum + 1) / 2));
}

} // namespace

bool SendKeyEvent(Desktop& desktop, std::uint16_t virtualKey, bool up) {
    KeyboardInputRecord record;
    record.virtualKey = virtualKey;
    record.scanCode = static_cast<std::uint16_t>(desktop.MapVirtualKeyA(virtualKey, 0));
    record.flags = kExtendedKey | (up ? kKeyUp : 0);
    return RetryBounded(desktop, BetweenAttempts::Nothing,
                        [&] { return desktop.SendInput(record) != 0; });
}

bool EmptyClipboardNow(Desktop& desktop, Hwnd owner) {
    if (!OpenClipboardBounded(desktop, owner)) {
        return false;
    }
    const bool emptied = desktop.EmptyClipboard();
    desktop.CloseClipboard();
    return emptied;
}

bool SetClipboardTextNow(Desktop& desktop, Hwnd owner, BytesView text) {
    if (!OpenClipboardBounded(desktop, owner)) {
        return false;
    }
    const bool set = desktop.EmptyClipboard() && desktop.SetClipboardText(text);
    desktop.CloseClipboard();
    return set;
}

ScreenPoint ClickPoint(const ScreenRect& rect) {
    return ScreenPoint{FloorHalf(static_cast<std::int64_t>(rect.left) + rect.right),
                       FloorHalf(static_cast<std::int64_t>(rect.top) + rect.bottom)};
}

} // namespace vr

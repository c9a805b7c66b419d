#include "job/JobInput.h"

namespace vr {
namespace {

std::int32_t FloorHalf(std::int64_t sum) {
    return static_cast<std::int32_t>(sum >= 0 ? sum / 2 : -((-sum + 1) / 2));
}

// Closes the clipboard this run opened, also when the step in between
// throws: left open, no other program could use it until the tool ended.
class OpenClipboardGuard : NonCopyable {
  public:
    explicit OpenClipboardGuard(ClipboardAccess& clipboard) : clipboard_(clipboard) {}
    // Closing fails only when the clipboard is not open; nothing to undo.
    ~OpenClipboardGuard() { (void)clipboard_.CloseClipboard(); }

  private:
    ClipboardAccess& clipboard_;
};

template <class Use> ClipboardResult WithClipboard(const Desktop& desktop, Hwnd owner, Use&& use) {
    if (!RetryBounded(desktop.clock, kClipboardRetry,
                      [&] { return desktop.clipboard.OpenClipboard(owner); })) {
        return ClipboardResult::Busy;
    }
    const OpenClipboardGuard open(desktop.clipboard);
    return use() ? ClipboardResult::Done : ClipboardResult::Refused;
}

} // namespace

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

ClipboardResult EmptyClipboardNow(const Desktop& desktop, Hwnd owner) {
    return WithClipboard(desktop, owner, [&] { return desktop.clipboard.EmptyClipboard(); });
}

ClipboardResult SetClipboardTextNow(const Desktop& desktop, Hwnd owner, BytesView text) {
    return WithClipboard(desktop, owner, [&] {
        return desktop.clipboard.EmptyClipboard() && desktop.clipboard.SetClipboardText(text);
    });
}

ScreenPoint ClickPoint(const ScreenRect& rect) {
    return ScreenPoint{FloorHalf(static_cast<std::int64_t>(rect.left) + rect.right),
                       FloorHalf(static_cast<std::int64_t>(rect.top) + rect.bottom)};
}

} // namespace vr

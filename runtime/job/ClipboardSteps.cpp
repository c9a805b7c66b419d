#include "job/ClipboardSteps.h"

#include "winsupport/core/ClipboardOpen.h"

namespace vr {
namespace {

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
    if (!OpenClipboardRetrying(desktop.clock,
                               [&] { return desktop.clipboard.OpenClipboard(owner); })) {
        return ClipboardResult::Busy;
    }
    const OpenClipboardGuard open(desktop.clipboard);
    return use() ? ClipboardResult::Done : ClipboardResult::Refused;
}

} // namespace

ClipboardResult EmptyClipboardNow(const Desktop& desktop, Hwnd owner) {
    return WithClipboard(desktop, owner, [&] { return desktop.clipboard.EmptyClipboard(); });
}

ClipboardResult SetClipboardTextNow(const Desktop& desktop, Hwnd owner, BytesView text) {
    return WithClipboard(desktop, owner, [&] {
        return desktop.clipboard.EmptyClipboard() && desktop.clipboard.SetClipboardText(text);
    });
}

} // namespace vr

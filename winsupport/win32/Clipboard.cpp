#include "winsupport/win32/Clipboard.h"

#include "winsupport/core/ClipboardOpen.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/MessagePump.h"

#include <cstring>

namespace vr {

ClipboardGuard::ClipboardGuard(HWND owner) {
    Win32Clock clock;
    open_ = OpenClipboardRetrying(clock, [&] { return OpenClipboard(owner) != FALSE; });
    if (!open_) {
        holder_ = GetOpenClipboardWindow();
    }
}

ClipboardGuard::~ClipboardGuard() {
    if (open_) {
        CloseClipboard();
    }
}

bool PutClipboardText(std::string_view bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!memory) {
        return false;
    }
    bool filled = false;
    {
        const GlobalLockGuard lock(memory);
        if (auto* target = static_cast<char*>(lock.Get())) {
            std::memcpy(target, bytes.data(), bytes.size());
            target[bytes.size()] = '\0';
            filled = true;
        }
    }
    if (!filled || !SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true; // the clipboard owns the memory now
}

std::optional<std::string> ClipboardText() {
    if (!IsClipboardFormatAvailable(CF_TEXT)) {
        return std::nullopt;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) {
        return std::nullopt;
    }
    const GlobalLockGuard lock(data);
    const auto* bytes = static_cast<const char*>(lock.Get());
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes, strnlen(bytes, lock.Size()));
}

} // namespace vr

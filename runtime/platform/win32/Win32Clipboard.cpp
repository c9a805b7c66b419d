#include "platform/win32/Win32Desktop.h"

#include "platform/win32/Win32Handles.h"
#include "winsupport/win32/Clipboard.h"

namespace vr {

bool Win32ClipboardAccess::OpenClipboard(Hwnd owner) {
    return ::OpenClipboard(ToHwnd(owner)) != FALSE;
}

bool Win32ClipboardAccess::EmptyClipboard() {
    return ::EmptyClipboard() != FALSE;
}

bool Win32ClipboardAccess::SetClipboardText(BytesView text) {
    return PutClipboardText(text);
}

bool Win32ClipboardAccess::CloseClipboard() {
    return ::CloseClipboard() != FALSE;
}

Hwnd Win32ClipboardAccess::GetOpenClipboardWindow() {
    return FromHwnd(::GetOpenClipboardWindow());
}

std::optional<Bytes> Win32ClipboardAccess::GetClipboardText(Hwnd owner) {
    if (!::IsClipboardFormatAvailable(CF_TEXT)) {
        return std::nullopt;
    }
    const ClipboardGuard clipboard(ToHwnd(owner));
    if (!clipboard.IsOpen()) {
        return std::nullopt;
    }
    return ClipboardText();
}

} // namespace vr

#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

#include <optional>

namespace vr {

// The clipboard, plain text in the ANSI code page.
class ClipboardAccess : NonCopyable {
  public:
    virtual ~ClipboardAccess() = default;
    [[nodiscard]] virtual bool OpenClipboard(Hwnd owner) = 0;
    [[nodiscard]] virtual bool EmptyClipboard() = 0;
    [[nodiscard]] virtual bool SetClipboardText(BytesView text) = 0;
    [[nodiscard]] virtual bool CloseClipboard() = 0;
    // The window that has the clipboard open now (0: none), to name it when
    // the clipboard stays busy.
    [[nodiscard]] virtual Hwnd GetOpenClipboardWindow() = 0;
    // Opens, reads and closes: the clipboard's text, nullopt when it holds
    // none or cannot be opened.
    [[nodiscard]] virtual std::optional<Bytes> GetClipboardText(Hwnd owner) = 0;
};

} // namespace vr

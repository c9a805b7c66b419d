#pragma once

#include "winsupport/core/NonCopyable.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vr {

// The clipboard opened for one use and closed again at the end. The open is
// retried as OpenClipboardRetrying does; when it still fails, Holder() names
// the window that has it open.
class ClipboardGuard : NonCopyable {
  public:
    explicit ClipboardGuard(HWND owner);
    ~ClipboardGuard();
    [[nodiscard]] bool IsOpen() const { return open_; }
    [[nodiscard]] HWND Holder() const { return holder_; }

  private:
    bool open_ = false;
    HWND holder_ = nullptr;
};

// With the clipboard open: plain text (CF_TEXT, code page bytes) placed on
// it, the memory handed to the clipboard only when everything succeeded.
[[nodiscard]] bool PutClipboardText(std::string_view bytes);

// With the clipboard open: its plain text, nullopt when it holds none or it
// cannot be read.
[[nodiscard]] std::optional<std::string> ClipboardText();

} // namespace vr

#pragma once

#include "winsupport/win32/Window.h"

#include <string>

namespace standin {

// A window of the CAD's own above its main window: a palette kept topmost,
// or a modal dialog, which disables its owner while it is open.
class OwnedPopup final : public vr::Window {
  public:
    enum class Kind { TopmostPalette, ModalDialog };

    // Shown without taking the activation (a palette) or activated with
    // its owner disabled (a dialog). False when it cannot be created;
    // GetLastError() tells why.
    [[nodiscard]] bool Create(Kind kind, HWND owner, const std::wstring& title, const RECT& place);
};

} // namespace standin

#pragma once

#include "winsupport/win32/Window.h"

namespace standin {

// An untitled panel that holds one window and gives it its whole client
// area, as the docked panels around a CAD's command line do.
class DockPanel final : public vr::Window {
  public:
    // False when it cannot be created; GetLastError() tells why.
    [[nodiscard]] bool Create(HWND parent);
    // The window it holds; laid out at once and at every size change.
    void Hold(HWND content);

  protected:
    void OnSize(int width, int height) override;

  private:
    HWND content_ = nullptr;
};

} // namespace standin

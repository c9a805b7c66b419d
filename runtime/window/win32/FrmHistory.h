#pragma once

#include "text/Text.h"
#include "winsupport/win32/Window.h"

namespace vr {

// frmHistory, "ﾋｽﾄﾘｰ": one per process, created on first use, reused while
// it is open; its text box always fills the client area. Closing it by its
// close box discards it.
class FrmHistory final : public Window {
  public:
    void Show(TextView text);
    void Close() { Destroy(); }

  protected:
    void OnSize(int width, int height) override;
    void OnDestroy() override { text_ = nullptr; }

  private:
    [[nodiscard]] bool CreateNow();

    HWND text_ = nullptr;
};

} // namespace vr

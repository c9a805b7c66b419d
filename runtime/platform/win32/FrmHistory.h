#pragma once

#include "text/Text.h"

#include <windows.h>

namespace vr {

// frmHistory, "ﾋｽﾄﾘｰ": one per process, created on first use, reused while
// it is open; its text box always fills the client area. Closing it by its
// close box discards it.
class FrmHistory {
  public:
    FrmHistory() = default;
    ~FrmHistory() { Close(); }
    FrmHistory(const FrmHistory&) = delete;
    FrmHistory& operator=(const FrmHistory&) = delete;

    void Show(TextView text);
    void Close();
    [[nodiscard]] HWND Handle() const { return window_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    void Create();

    HWND window_ = nullptr;
    HWND text_ = nullptr;
};

} // namespace vr

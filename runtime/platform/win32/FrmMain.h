#pragma once

#include "window/ToolMainWindow.h"

#include <windows.h>

namespace vr {

// frmMain, "VadoRariri": the tools' main window. A tool run creates it
// hidden on the first touch of its instance list and never shows it.
class FrmMain final : public ToolMainWindow, private InstanceList {
  public:
    FrmMain() = default;
    ~FrmMain() override;

    bool CreateIfNeeded() override;
    InstanceList& cmbFileName() override { return *this; }
    void SetTxtGet(TextView text) override;
    Hwnd Handle() override { return reinterpret_cast<Hwnd>(window_); }
    Hwnd ClipboardOwner() override;

    // The text of txtGet (for tests).
    [[nodiscard]] Text TxtGet() const;

  private:
    // InstanceList over the drop-down list control.
    void Clear() override;
    int AddEntry(TextView text) override;
    void SetItemData(int index, std::uint32_t data) override;
    std::uint32_t ItemData(int index) override;
    int Count() override;
    void SetSelectedIndex(int index) override;
    int SelectedIndex() override;

    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    HWND list_ = nullptr;
    HWND txtGet_ = nullptr;
    HWND clipboardOwner_ = nullptr;
};

} // namespace vr

#pragma once

#include "platform/win32/FrmHistory.h"
#include "startup/ToolRun.h"
#include "window/ToolMainWindow.h"

#include <windows.h>

#include <map>

namespace vr {

// frmMain, "VadoRariri": the tools' main window. A tool run creates it
// hidden on the first touch of its instance list and never shows it; shown,
// it is a small console to the selected CAD's command line.
class FrmMain final : public ToolMainWindow, private InstanceList {
  public:
    FrmMain() = default;
    ~FrmMain() override;

    // The run whose CAD the window's buttons talk to.
    void Attach(ToolRun& run) { run_ = &run; }
    // End the message loop when the window closes (a program that shows it).
    void QuitWhenClosed() { quitWhenClosed_ = true; }
    void Show();

    bool CreateIfNeeded() override;
    InstanceList& cmbFileName() override { return *this; }
    void SetTxtGet(TextView text) override;
    void ShowHistory(TextView text) override { history_.Show(text); }
    Hwnd Handle() override { return reinterpret_cast<Hwnd>(window_); }
    Hwnd ClipboardOwner() override;

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
    static LRESULT CALLBACK TxtPutProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void OnCommand(int id);
    void OnSize(int clientWidthPixels);
    void OnDestroy();
    [[nodiscard]] HWND Control(int id) const;
    [[nodiscard]] Text TxtPut() const;

    ToolRun* run_ = nullptr;
    HWND window_ = nullptr;
    std::map<int, HWND> controls_;
    int dpi_ = 96;
    bool quitWhenClosed_ = false;
    FrmHistory history_;
    HWND clipboardOwner_ = nullptr;
};

} // namespace vr

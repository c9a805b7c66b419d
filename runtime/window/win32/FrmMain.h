#pragma once

#include "platform/ToolMainWindow.h"
#include "window/InstanceEntries.h"
#include "window/MainWindowOperations.h"
#include "window/win32/FrmHistory.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/Window.h"

#include <map>
#include <optional>

namespace vr {

// frmMain, "VadoRariri": the tools' main window. A tool run creates it
// hidden on the first touch of its instance list and never shows it; shown,
// it is a small console to the selected CAD's command line. The controls are
// created when the window is first shown (or Put needs its box): a hidden
// window keeps its list and txtGet's text in memory, so that a tool run does
// not pay for controls, fonts and the common-controls library nobody sees.
class FrmMain final : public ToolMainWindow, private InstanceList, private Window {
  public:
    FrmMain() = default;
    ~FrmMain() override { Destroy(); }

    // The operations the window's buttons and menu run.
    void Attach(MainWindowOperations& operations) { operations_ = &operations; }
    // End the message loop when the window closes (a program that shows it).
    void QuitWhenClosed() { quitWhenClosed_ = true; }
    void Show();
    // Keyboard navigation between the controls, for a message loop: true
    // when the message was a navigation key and has been handled.
    [[nodiscard]] bool TakeKeyboardNavigation(MSG& message);

    bool CreateIfNeeded() override;
    InstanceList& cmbFileName() override { return *this; }
    void SetTxtGet(TextView text) override;
    void ShowHistory(TextView text) override { history_.Show(text); }
    Hwnd Handle() override { return reinterpret_cast<Hwnd>(Window::Handle()); }
    Hwnd ClipboardOwner() override;

  private:
    // InstanceList over the drop-down list control, or the list in memory.
    void Clear() override;
    int AddEntry(TextView text) override;
    void SetItemData(int index, std::uint32_t data) override;
    std::uint32_t ItemData(int index) override;
    int Count() override;
    void SetSelectedIndex(int index) override;
    int SelectedIndex() override;

    // The window's handlers.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int notification, HWND control) override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;
    static LRESULT CALLBACK TxtPutProc(HWND, UINT, WPARAM, LPARAM);

    [[nodiscard]] bool CreateNow();
    // The controls, created once; the process ends with a message when they
    // cannot be.
    void EnsureControls();
    [[nodiscard]] bool CreateControls();
    [[nodiscard]] HWND Control(int id) const;
    LRESULT ToList(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    MainWindowOperations* operations_ = nullptr;
    std::map<int, HWND> controls_; // empty until the controls are created
    InstanceEntries hiddenList_;
    std::optional<Text> pendingTxtGet_;
    WNDPROC txtPutProc_ = nullptr;
    // Outlives the controls: the destructor destroys the window first.
    GdiObject<HFONT> controlFont_;
    int dpi_ = 96;
    bool quitWhenClosed_ = false;
    FrmHistory history_;
    HWND clipboardOwner_ = nullptr;
};

} // namespace vr

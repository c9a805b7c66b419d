#pragma once

#include "winsupport/win32/Handles.h"
#include "winsupport/win32/Window.h"

#include <windows.h>

namespace vr::setup {

// Control IDs of Form1, in tab order.
enum Form1Control : int {
    kPicture1 = 101,
    kCommand1 = 102,
    kCommand2 = 103,
    kLabel1 = 104,
};

// Picture1: the installer's fixed picture at its top left corner, on the
// dialog colour.
class Picture1 final : public Window {
  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCreate() override;

  private:
    void OnPaint();
    GdiObject<HBITMAP> picture_;
};

// The installer's one window. Command1 runs the installation; Command2, Esc
// and the close box end the program at once.
class Form1 final : public Window {
  public:
    Form1() = default;
    // The window goes before the fonts its controls use.
    ~Form1() override { Destroy(); }

    // Registers the window classes and creates the form hidden, its controls
    // laid out at the screen's DPI, placed on the screen and made topmost.
    // False when a class or a window could not be made; GetLastError() then
    // tells why.
    [[nodiscard]] bool Open();

  protected:
    void OnCommand(int id, int notification, HWND control) override;
    bool OnClose() override;

  private:
    [[nodiscard]] HWND CreateChild(const WindowCreateArgs& args);
    void Install();

    Picture1 picture1_;
    GdiObject<HFONT> buttonFont_;
    GdiObject<HFONT> labelFont_;
};

} // namespace vr::setup

#pragma once

#include "winsupport/core/NonCopyable.h"

#include <windows.h>

namespace vr {

// The look of a window class. Every class is registered with the one
// procedure of Window, which hands each message to its object.
struct WindowClassArgs {
    const wchar_t* name = nullptr;
    HICON icon = nullptr;
    HBRUSH background = nullptr; // null: the dialog colour
    HCURSOR cursor = nullptr;    // null: the arrow
    UINT style = 0;
};

// Registers the class once per process; true when it is registered (now or
// before). A failure leaves GetLastError() for the caller to report.
[[nodiscard]] bool RegisterWindowClass(const WindowClassArgs& args);

// Where and how a window is created; fields left alone take the defaults.
struct WindowCreateArgs {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
};

// A window of ours: one object per window, created through Create, whose
// procedure is a short switch over named handlers. WM_COMMAND goes to
// OnCommand, which a window answers with its own switch. A window that
// handles more messages overrides WindowProc and hands the rest on to
// Window::WindowProc.
class Window : NonCopyable {
  public:
    // Destroys a window still open. By then the derived part is gone, so a
    // window whose OnDestroy must run calls Destroy() in its own destructor.
    virtual ~Window();

    // False when the window could not be created; GetLastError() tells why.
    [[nodiscard]] bool Create(const WindowCreateArgs& args);
    [[nodiscard]] HWND Handle() const { return window_; }
    void Destroy();

  protected:
    Window() = default;

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnCreate() {}
    virtual void OnCommand(int /*id*/, int /*notification*/, HWND /*control*/) {}
    virtual void OnSize(int /*width*/, int /*height*/) {}
    // True when the window handled its close; otherwise it is destroyed.
    virtual bool OnClose() { return false; }
    virtual void OnDestroy() {}
    [[nodiscard]] LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    friend bool RegisterWindowClass(const WindowClassArgs& args);
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
};

} // namespace vr

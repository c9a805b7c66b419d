#include "app/OwnedPopup.h"

#include "app/WindowClasses.h"

namespace standin {

bool OwnedPopup::Create(Kind kind, HWND owner, const std::wstring& title, const RECT& place) {
    const bool palette = kind == Kind::TopmostPalette;
    const DWORD style = WS_POPUP | WS_CAPTION | (palette ? WS_THICKFRAME : WS_SYSMENU);
    const DWORD exStyle =
        palette ? DWORD{WS_EX_TOPMOST | WS_EX_TOOLWINDOW} : DWORD{WS_EX_DLGMODALFRAME};
    if (!Window::Create({.className = palette ? kPaletteClass : kDialogClass,
                         .title = title.c_str(),
                         .style = style,
                         .exStyle = exStyle,
                         .x = place.left,
                         .y = place.top,
                         .width = place.right - place.left,
                         .height = place.bottom - place.top,
                         .parent = owner})) {
        return false;
    }
    if (palette) {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    } else {
        // As DialogBox does: the owner takes no input while the dialog is open.
        EnableWindow(owner, FALSE);
        ShowWindow(Handle(), SW_SHOW);
    }
    return true;
}

} // namespace standin

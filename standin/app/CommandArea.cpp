#include "app/CommandArea.h"

#include "app/WindowClasses.h"
#include "winsupport/win32/WideText.h"

namespace standin {

CommandArea::CommandArea(JournalSink& journal, vr::TextView journalName,
                         const CommandLineControls& controls)
    : journal_(journal), journalName_(journalName), controls_(controls) {}

bool CommandArea::Create(HWND parent, vr::TextView caption) {
    const std::wstring title = vr::WideZ(caption);
    return Window::Create({.className = kCommandAreaClass,
                           .title = title.c_str(),
                           .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           .exStyle = WS_EX_CLIENTEDGE,
                           .x = 0,
                           .y = 0,
                           .width = 10,
                           .height = 10,
                           .parent = parent});
}

bool CommandArea::CreateOfClass(HWND parent, const std::wstring& className) {
    if (!vr::RegisterWindowClass({.name = className.c_str()})) {
        return false;
    }
    return Window::Create({.className = className.c_str(),
                           .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           .exStyle = WS_EX_CLIENTEDGE,
                           .x = 0,
                           .y = 0,
                           .width = 10,
                           .height = 10,
                           .parent = parent});
}

bool CommandArea::CreateFloating(HWND owner, const std::wstring& className, vr::TextView caption,
                                 const RECT& place) {
    if (!vr::RegisterWindowClass({.name = className.c_str()})) {
        return false;
    }
    const std::wstring title = vr::WideZ(caption);
    // A palette: a thin frame, a caption bar only when it has a title.
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_THICKFRAME |
                        (caption.empty() ? 0 : WS_CAPTION);
    return Window::Create({.className = className.c_str(),
                           .title = title.c_str(),
                           .style = style,
                           .exStyle = WS_EX_TOOLWINDOW,
                           .x = place.left,
                           .y = place.top,
                           .width = place.right - place.left,
                           .height = place.bottom - place.top,
                           .parent = owner});
}

LRESULT CommandArea::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        OnClick(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    default:
        return Window::WindowProc(message, wParam, lParam);
    }
}

void CommandArea::OnSize(int width, int height) {
    controls_.Layout(RECT{0, 0, width, height});
}

void CommandArea::OnClick(int x, int y) {
    journal_.Write(JsonLine("click")
                       .Add("window", journalName_)
                       .Add("x", static_cast<long long>(x))
                       .Add("y", static_cast<long long>(y)));
    PostMessageW(GetAncestor(Handle(), GA_ROOT), kCommandAreaClickedMessage, 0, 0);
    if (controls_.Input()) {
        SetFocus(controls_.Input());
    }
}

} // namespace standin

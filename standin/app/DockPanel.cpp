#include "app/DockPanel.h"

#include "app/WindowClasses.h"

namespace standin {

bool DockPanel::Create(HWND parent) {
    return Window::Create({.className = kDockPanelClass,
                           .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           .x = 0,
                           .y = 0,
                           .width = 10,
                           .height = 10,
                           .parent = parent});
}

void DockPanel::Hold(HWND content) {
    content_ = content;
    RECT client;
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

void DockPanel::OnSize(int width, int height) {
    if (content_) {
        MoveWindow(content_, 0, 0, width, height, TRUE);
    }
}

} // namespace standin

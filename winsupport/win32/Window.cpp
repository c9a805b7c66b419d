#include "winsupport/win32/Window.h"

namespace vr {

bool RegisterWindowClass(const WindowClassArgs& args) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, args.name, &existing)) {
        return true;
    }
    WNDCLASSW windowClass{};
    windowClass.style = args.style;
    windowClass.lpfnWndProc = Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = args.name;
    windowClass.hIcon = args.icon;
    windowClass.hbrBackground = args.background ? args.background : GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hCursor =
        args.cursor ? args.cursor : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Window::~Window() {
    Destroy();
}

bool Window::Create(const WindowCreateArgs& args) {
    const HWND created = CreateWindowExW(args.exStyle, args.className, args.title, args.style,
                                         args.x, args.y, args.width, args.height, args.parent,
                                         args.menuOrId, GetModuleHandleW(nullptr), this);
    return created != nullptr;
}

void Window::Destroy() {
    if (window_) {
        DestroyWindow(window_);
    }
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        if (OnClose()) {
            return 0;
        }
        break;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->WindowProc(message, wParam, lParam);
}

} // namespace vr

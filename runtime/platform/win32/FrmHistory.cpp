#include "platform/win32/FrmHistory.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowSupport.h"
#include "window/MainWindowLayout.h"

namespace vr {
namespace {

constexpr wchar_t kClassName[] = L"VadoRaririHistory";

} // namespace

LRESULT CALLBACK FrmHistory::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FrmHistory*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_SIZE:
        if (self && self->text_) {
            MoveWindow(self->text_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_DESTROY:
        if (self) {
            self->window_ = nullptr;
            self->text_ = nullptr;
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void FrmHistory::Create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterToolWindowClass(kClassName, WindowProc);

    const int dpi = ScreenDpi();
    RECT frame{0, 0, TwipsToPixels(kHistoryClientWidthTwips, dpi),
               TwipsToPixels(kHistoryClientHeightTwips, dpi)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    // Beside the main window (which opens at the default place, top left),
    // not over it.
    const int left = TwipsToPixels(kMainClientWidthTwips + 1200, dpi);
    window_ = CreateWindowExW(0, kClassName, L"ﾋｽﾄﾘｰ", WS_OVERLAPPEDWINDOW, left,
                              TwipsToPixels(600, dpi), frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance, this);
    text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL |
                                ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                            0, 0, TwipsToPixels(kHistoryTextWidthTwips, dpi),
                            TwipsToPixels(kHistoryTextHeightTwips, dpi), window_, nullptr, instance,
                            nullptr);
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    RECT client;
    GetClientRect(window_, &client);
    MoveWindow(text_, 0, 0, client.right, client.bottom, FALSE);
}

void FrmHistory::Show(TextView text) {
    if (!window_) {
        Create();
    }
    SetWindowTextW(text_, WideZ(text).c_str());
    ShowWindow(window_, SW_SHOWNORMAL);
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void FrmHistory::Close() {
    if (window_) {
        DestroyWindow(window_);
    }
}

} // namespace vr

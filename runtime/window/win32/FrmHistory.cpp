#include "window/win32/FrmHistory.h"

#include "window/MainWindowLayout.h"
#include "window/win32/WindowFailure.h"
#include "winsupport/core/Twips.h"
#include "winsupport/win32/ScreenDpi.h"
#include "winsupport/win32/WideText.h"

namespace vr {
namespace {

constexpr wchar_t kClassName[] = L"VadoRaririHistory";
constexpr TextView kCaption = u"ﾋｽﾄﾘｰ";

} // namespace

bool FrmHistory::CreateNow() {
    if (!RegisterWindowClass(
            {.name = kClassName,
             .icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))})) {
        return false;
    }
    const int dpi = ScreenDpi();
    RECT frame{0, 0, TwipsToPixelsInt(kHistoryClientWidthTwips, dpi),
               TwipsToPixelsInt(kHistoryClientHeightTwips, dpi)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    // Beside the main window (which opens at the default place, top left),
    // not over it.
    const std::wstring caption = WideZ(kCaption);
    if (!Create({.className = kClassName,
                 .title = caption.c_str(),
                 .x = TwipsToPixelsInt(kMainClientWidthTwips + 1200, dpi),
                 .y = TwipsToPixelsInt(600, dpi),
                 .width = frame.right - frame.left,
                 .height = frame.bottom - frame.top})) {
        return false;
    }
    text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL |
                                ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                            0, 0, TwipsToPixelsInt(kHistoryTextWidthTwips, dpi),
                            TwipsToPixelsInt(kHistoryTextHeightTwips, dpi), Handle(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!text_) {
        Destroy();
        return false;
    }
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(text_, 0, 0, client.right, client.bottom, FALSE);
    return true;
}

void FrmHistory::OnSize(int width, int height) {
    if (text_) {
        MoveWindow(text_, 0, 0, width, height, TRUE);
    }
}

void FrmHistory::Show(TextView text) {
    if (!Handle() && !CreateNow()) {
        ReportWindowNotCreated(kCaption);
        return;
    }
    SetWindowTextW(text_, WideZ(text).c_str());
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace vr

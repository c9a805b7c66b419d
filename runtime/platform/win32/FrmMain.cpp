#include "platform/win32/FrmMain.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowSupport.h"
#include "window/MainWindowLayout.h"
#include "window/MainWindowOperations.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace vr {
namespace {

constexpr wchar_t kClassName[] = L"VadoRaririMain";

const wchar_t* ControlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::DropDownList:
        return L"COMBOBOX";
    case ControlKind::Label:
        return L"STATIC";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::Button:
        return L"BUTTON";
    }
    return L"STATIC";
}

DWORD ControlStyle(ControlKind kind) {
    const DWORD common = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::DropDownList:
        return common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::Label:
        return common | SS_LEFT;
    case ControlKind::TextBox:
        return common | WS_TABSTOP | ES_AUTOHSCROLL;
    case ControlKind::Button:
        return common | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return common;
}

constexpr wchar_t kClipboardOwnerClass[] = L"VadoRaririClipboardOwner";

struct OwnerStart {
    HANDLE ready;
    HWND window;
};

// A message-only window on a thread of its own: it keeps answering while the
// job's thread sleeps between synthetic events. Some systems ask the
// clipboard owner before another program may open the clipboard (Wine does
// on every open); an owner that does not answer would stall the CAD's paste.
DWORD WINAPI ClipboardOwnerThread(void* parameter) {
    auto* start = static_cast<OwnerStart*>(parameter);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClipboardOwnerClass;
    RegisterClassW(&windowClass);
    start->window = CreateWindowExW(0, kClipboardOwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, windowClass.hInstance, nullptr);
    SetEvent(start->ready);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

Hwnd FrmMain::ClipboardOwner() {
    if (!clipboardOwner_) {
        OwnerStart start{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
        HANDLE thread = CreateThread(nullptr, 0, ClipboardOwnerThread, &start, 0, nullptr);
        if (thread) {
            WaitForSingleObject(start.ready, 5000);
            CloseHandle(thread);
        }
        CloseHandle(start.ready);
        // Without the thread, the main window owns the clipboard as before.
        clipboardOwner_ = start.window ? start.window : window_;
    }
    return reinterpret_cast<Hwnd>(clipboardOwner_);
}

FrmMain::~FrmMain() {
    if (window_) {
        DestroyWindow(window_);
    }
}

bool FrmMain::CreateIfNeeded() {
    if (window_) {
        return false;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterToolWindowClass(kClassName, WindowProc);
    dpi_ = ScreenDpi();

    HMENU menuBar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kIdMnuCadSearch, L"CADSearch");
    AppendMenuW(file, MF_STRING, kIdMnuEnd, L"End");
    AppendMenuW(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File(&F)");

    RECT frame{0, 0, TwipsToPixels(kMainClientWidthTwips, dpi_),
               TwipsToPixels(kMainClientHeightTwips, dpi_)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, TRUE);
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"VadoRariri", WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, menuBar, instance, this);

    // Created in tab order: the keyboard visits child windows in z-order.
    std::vector<ControlDesign> inTabOrder(kMainWindowControls.begin(), kMainWindowControls.end());
    std::sort(
        inTabOrder.begin(), inTabOrder.end(),
        [](const ControlDesign& a, const ControlDesign& b) { return a.tabOrder < b.tabOrder; });
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    for (const ControlDesign& design : inTabOrder) {
        const int height =
            design.kind == ControlKind::DropDownList ? design.height * 8 : design.height;
        HWND control = CreateWindowExW(
            design.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0, ControlClass(design.kind),
            WideZ(design.text).c_str(), ControlStyle(design.kind), TwipsToPixels(design.left, dpi_),
            TwipsToPixels(design.top, dpi_), TwipsToPixels(design.width, dpi_),
            TwipsToPixels(height, dpi_), window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls_[design.id] = control;
    }
    SetWindowSubclass(Control(kIdTxtPut), TxtPutProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void FrmMain::Show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    // The layout rule holds from the first showing on, not only after the
    // user resizes.
    RECT client;
    GetClientRect(window_, &client);
    OnSize(client.right);
    UpdateWindow(window_);
}

HWND FrmMain::Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

Text FrmMain::TxtPut() const {
    HWND box = Control(kIdTxtPut);
    const int length = GetWindowTextLengthW(box);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(box, text.data(), length + 1);
    return FromWide(text.data(), static_cast<std::size_t>(length));
}

void FrmMain::SetTxtGet(TextView text) {
    SetWindowTextW(Control(kIdTxtGet), WideZ(text).c_str());
}

LRESULT CALLBACK FrmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FrmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam));
        return 0;
    case WM_SIZE:
        self->OnSize(LOWORD(lParam));
        return 0;
    case WM_DESTROY:
        self->OnDestroy();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void FrmMain::OnCommand(int id) {
    if (!run_) {
        return; // a tool run never shows the window; nothing to drive
    }
    switch (id) {
    case kIdCmdGet:
        Get(*run_);
        break;
    case kIdCmdPut:
        Put(*run_, TxtPut());
        break;
    case kIdCmdHistory1:
        History1(*run_);
        break;
    case kIdCmdHistory2:
        History2(*run_);
        break;
    case kIdMnuCadSearch:
        CadSearch(*run_);
        break;
    case kIdMnuEnd:
        PostMessageW(window_, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void FrmMain::OnSize(int clientWidthPixels) {
    const MainWindowWidths widths = LayoutMainWindow(PixelsToTwips(clientWidthPixels, dpi_));
    for (const ControlDesign& design : kMainWindowControls) {
        int width = 0;
        if (design.id == kIdCmbFileName) {
            width = widths.cmbFileName;
        } else if (design.id == kIdTxtGet) {
            width = widths.txtGet;
        } else if (design.id == kIdTxtPut) {
            width = widths.txtPut;
        } else {
            continue; // nothing else moves or changes size
        }
        HWND control = Control(design.id);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(control, nullptr, 0, 0, TwipsToPixels(width, dpi_), rect.bottom - rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FrmMain::OnDestroy() {
    history_.Close(); // the unload step
    window_ = nullptr;
    controls_.clear();
    if (quitWhenClosed_) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK FrmMain::TxtPutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    // Enter in txtPut runs Put and is swallowed: the box gets no character.
    if (message == WM_CHAR && wParam == VK_RETURN) {
        reinterpret_cast<FrmMain*>(data)->OnCommand(kIdCmdPut);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void FrmMain::Clear() {
    SendMessageW(Control(kIdCmbFileName), CB_RESETCONTENT, 0, 0);
}

int FrmMain::AddEntry(TextView text) {
    return static_cast<int>(SendMessageW(Control(kIdCmbFileName), CB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(WideZ(text).c_str())));
}

void FrmMain::SetItemData(int index, std::uint32_t data) {
    SendMessageW(Control(kIdCmbFileName), CB_SETITEMDATA, static_cast<WPARAM>(index),
                 static_cast<LPARAM>(data));
}

std::uint32_t FrmMain::ItemData(int index) {
    return static_cast<std::uint32_t>(
        SendMessageW(Control(kIdCmbFileName), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int FrmMain::Count() {
    return static_cast<int>(SendMessageW(Control(kIdCmbFileName), CB_GETCOUNT, 0, 0));
}

void FrmMain::SetSelectedIndex(int index) {
    SendMessageW(Control(kIdCmbFileName), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int FrmMain::SelectedIndex() {
    return static_cast<int>(SendMessageW(Control(kIdCmbFileName), CB_GETCURSEL, 0, 0));
}

} // namespace vr

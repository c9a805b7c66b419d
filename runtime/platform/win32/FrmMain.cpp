#include "platform/win32/FrmMain.h"

#include "platform/win32/WideText.h"

namespace vr {
namespace {

constexpr wchar_t kClassName[] = L"VadoRaririMain";
constexpr int kTwipsPerInch = 1440;

// Positions and sizes are kept in twips, as the window was designed, and
// converted at the screen's DPI.
int Pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, kTwipsPerInch);
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

LRESULT CALLBACK FrmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

bool FrmMain::CreateIfNeeded() {
    if (window_) {
        return false;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassW(&windowClass);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);

    RECT frame{0, 0, Pixels(4740, dpi), Pixels(3120, dpi)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExW(0, kClassName, L"VadoRariri", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, instance, nullptr);
    list_ = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
        Pixels(4695, dpi), Pixels(300, dpi) * 8, window_, nullptr, instance, nullptr);
    txtGet_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"txtGet",
                        WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Pixels(720, dpi), Pixels(2025, dpi),
                        Pixels(3975, dpi), Pixels(270, dpi), window_, nullptr, instance, nullptr);
    return true;
}

void FrmMain::SetTxtGet(TextView text) {
    SetWindowTextW(txtGet_, WideZ(text).c_str());
}

Text FrmMain::TxtGet() const {
    const int length = GetWindowTextLengthW(txtGet_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(txtGet_, text.data(), length + 1);
    return FromWide(text.data(), static_cast<std::size_t>(length));
}

void FrmMain::Clear() {
    SendMessageW(list_, CB_RESETCONTENT, 0, 0);
}

int FrmMain::AddEntry(TextView text) {
    return static_cast<int>(
        SendMessageW(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideZ(text).c_str())));
}

void FrmMain::SetItemData(int index, std::uint32_t data) {
    SendMessageW(list_, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::uint32_t FrmMain::ItemData(int index) {
    return static_cast<std::uint32_t>(
        SendMessageW(list_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int FrmMain::Count() {
    return static_cast<int>(SendMessageW(list_, CB_GETCOUNT, 0, 0));
}

void FrmMain::SetSelectedIndex(int index) {
    SendMessageW(list_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int FrmMain::SelectedIndex() {
    return static_cast<int>(SendMessageW(list_, CB_GETCURSEL, 0, 0));
}

} // namespace vr

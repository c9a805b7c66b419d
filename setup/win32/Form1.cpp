#include "Form1.h"

#include "FormPlacement.h"
#include "Installation.h"
#include "SetupMessages.h"
#include "SetupResources.h"
#include "Win32Installer.h"
#include "winsupport/core/Twips.h"
#include "winsupport/win32/ScreenDpi.h"
#include "winsupport/win32/WideText.h"

#include <string>

namespace vr::setup {
namespace {

constexpr wchar_t kFormClass[] = L"SetupkitForm1";
constexpr wchar_t kPictureClass[] = L"SetupkitPicture";
constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";
constexpr int kFontPoints = 12;
constexpr int kClientWidthTwips = 9600;
constexpr int kClientHeightTwips = 4845;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HFONT CreateFormFont(int dpi, bool bold) {
    return CreateFontW(-MulDiv(kFontPoints, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                       bold ? TRUE : FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       kFontFace);
}

std::u16string_view ControlText(int id) {
    switch (id) {
    case kCommand1:
        return kInstallButton;
    case kCommand2:
        return kCancelButton;
    case kLabel1:
        return kNotice;
    default:
        return {};
    }
}

// Centred horizontally, the centre at a third of the screen height, worked
// out in twips like the form's own Move; then above every other window.
void PlaceOnScreen(HWND form, int dpi) {
    RECT outer;
    GetWindowRect(form, &outer);
    const FormPosition position = PlaceForm(PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
                                            PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi),
                                            PixelsToTwips(outer.right - outer.left, dpi),
                                            PixelsToTwips(outer.bottom - outer.top, dpi));
    SetWindowPos(form, nullptr, static_cast<int>(TwipsToPixels(position.left, dpi)),
                 static_cast<int>(TwipsToPixels(position.top, dpi)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Every way out of the form ends the program at once, as the original
// form's End did: also in the middle of the copies.
[[noreturn]] void EndProgram() {
    ExitProcess(0);
}

struct ControlDesign {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    int left, top, width, height; // twips
    bool buttonFont;
};

// In tab order; Picture1 is one pixel wider than the client area at 96 DPI,
// as the form was drawn.
constexpr ControlDesign kControls[] = {
    {kPicture1, kPictureClass, 0, 0, 0, 9615, 4005, false},
    {kCommand1, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 5280, 4080, 1935, 615, true},
    {kCommand2, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 7440, 4080, 1935, 615, true},
    {kLabel1, L"STATIC", SS_LEFT, 120, 4200, 5055, 615, false},
};

} // namespace

LRESULT Picture1::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return Window::WindowProc(message, wParam, lParam);
    }
}

void Picture1::OnCreate() {
    picture_.Reset(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPictureResource), IMAGE_BITMAP, 0, 0, 0)));
}

void Picture1::OnPaint() {
    const ScopedPaint paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(paint.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    if (!picture_.Get()) {
        return;
    }
    BITMAP size{};
    GetObjectW(picture_.Get(), sizeof size, &size);
    const ScopedMemoryDc memory(paint.Get());
    const SelectedObject selected(memory.Get(), picture_.Get());
    BitBlt(paint.Get(), 0, 0, size.bmWidth, size.bmHeight, memory.Get(), 0, 0, SRCCOPY);
}

bool Form1::Open() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterWindowClass(
            {.name = kFormClass, .icon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource))}) ||
        !RegisterWindowClass({.name = kPictureClass})) {
        return false;
    }
    const int dpi = ScreenDpi();
    RECT frame{0, 0, TwipsToPixelsInt(kClientWidthTwips, dpi),
               TwipsToPixelsInt(kClientHeightTwips, dpi)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    const std::wstring caption = WideZ(kFormCaption);
    if (!Create({.className = kFormClass,
                 .title = caption.c_str(),
                 .style = kFormStyle,
                 .width = frame.right - frame.left,
                 .height = frame.bottom - frame.top})) {
        return false;
    }
    buttonFont_.Reset(CreateFormFont(dpi, true));
    labelFont_.Reset(CreateFormFont(dpi, false));
    for (const ControlDesign& control : kControls) {
        const std::wstring text = WideZ(ControlText(control.id));
        const HWND child = CreateChild({
            .className = control.windowClass,
            .title = text.c_str(),
            .style = WS_CHILD | WS_VISIBLE | control.style,
            .x = TwipsToPixelsInt(control.left, dpi),
            .y = TwipsToPixelsInt(control.top, dpi),
            .width = TwipsToPixelsInt(control.width, dpi),
            .height = TwipsToPixelsInt(control.height, dpi),
            .parent = Handle(),
            .menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
        });
        if (!child) {
            return false;
        }
        const HFONT font = control.buttonFont ? buttonFont_.Get() : labelFont_.Get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    PlaceOnScreen(Handle(), dpi);
    return true;
}

// Picture1 is a window of ours; the buttons and the label are the system's.
HWND Form1::CreateChild(const WindowCreateArgs& args) {
    if (args.className == kPictureClass) {
        return picture1_.Create(args) ? picture1_.Handle() : nullptr;
    }
    return CreateWindowExW(args.exStyle, args.className, args.title, args.style, args.x, args.y,
                           args.width, args.height, args.parent, args.menuOrId,
                           GetModuleHandleW(nullptr), nullptr);
}

void Form1::OnCommand(int id, int notification, HWND /*control*/) {
    switch (id) {
    case kCommand1:
        if (notification == BN_CLICKED) {
            Install();
        }
        break;
    case kCommand2:
        if (notification == BN_CLICKED) {
            EndProgram();
        }
        break;
    case IDCANCEL: // Esc
        EndProgram();
    }
}

bool Form1::OnClose() {
    EndProgram();
}

void Form1::Install() {
    Win32Installer installer(Handle(), GetDlgItem(Handle(), kCommand1));
    RunInstallation(installer);
    EndProgram();
}

} // namespace vr::setup

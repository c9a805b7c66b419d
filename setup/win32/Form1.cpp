#include "Form1.h"

#include "FormPlacement.h"
#include "Installation.h"
#include "SetupMessages.h"
#include "SetupResources.h"
#include "Win32Installer.h"
#include "winsupport/core/Twips.h"
#include "winsupport/win32/Handles.h"
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

// Picture1 shows the fixed picture at its top left corner.
LRESULT CALLBACK PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const ScopedPaint paint(window);
        RECT client;
        GetClientRect(window, &client);
        FillRect(paint.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        const GdiObject<HBITMAP> picture(static_cast<HBITMAP>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPictureResource), IMAGE_BITMAP, 0, 0, 0)));
        if (picture.Get()) {
            BITMAP size{};
            GetObjectW(picture.Get(), sizeof size, &size);
            const ScopedMemoryDc memory(paint.Get());
            const SelectedObject selected(memory.Get(), picture.Get());
            BitBlt(paint.Get(), 0, 0, size.bmWidth, size.bmHeight, memory.Get(), 0, 0, SRCCOPY);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Every way out of the form ends the program at once, as the original
// form's End did: also in the middle of the copies.
[[noreturn]] void EndProgram() {
    ExitProcess(0);
}

LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kCommand1 && HIWORD(wParam) == BN_CLICKED) {
            Win32Installer installer(window, GetDlgItem(window, kCommand1));
            RunInstallation(installer);
            EndProgram();
        }
        if ((LOWORD(wParam) == kCommand2 && HIWORD(wParam) == BN_CLICKED) ||
            LOWORD(wParam) == IDCANCEL) {
            EndProgram();
        }
        return 0;
    case WM_CLOSE:
        EndProgram();
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSW form{};
    form.lpfnWndProc = FormProcedure;
    form.hInstance = instance;
    form.lpszClassName = kFormClass;
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    RegisterClassW(&form);
    WNDCLASSW picture = form;
    picture.lpfnWndProc = PictureProcedure;
    picture.lpszClassName = kPictureClass;
    picture.hIcon = nullptr;
    RegisterClassW(&picture);
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

} // namespace

HWND CreateForm1(HINSTANCE instance) {
    RegisterClasses(instance);
    const int dpi = ScreenDpi();
    RECT frame{0, 0, TwipsToPixelsInt(kClientWidthTwips, dpi),
               TwipsToPixelsInt(kClientHeightTwips, dpi)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    const std::wstring caption = WideZ(kFormCaption);
    HWND form = CreateWindowExW(0, kFormClass, caption.c_str(), kFormStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
    if (!form) {
        return nullptr;
    }
    // The fonts live as long as the process; the program ends with its form.
    HFONT buttonFont = CreateFormFont(dpi, true);
    HFONT labelFont = CreateFormFont(dpi, false);
    for (const ControlDesign& control : kControls) {
        const std::wstring text = WideZ(ControlText(control.id));
        HWND child = CreateWindowExW(
            0, control.windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | control.style,
            TwipsToPixelsInt(control.left, dpi), TwipsToPixelsInt(control.top, dpi),
            TwipsToPixelsInt(control.width, dpi), TwipsToPixelsInt(control.height, dpi), form,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(control.buttonFont ? buttonFont : labelFont), FALSE);
    }
    PlaceOnScreen(form, dpi);
    return form;
}

} // namespace vr::setup

#include "Form1.h"

#include "FormPlacement.h"
#include "Installation.h"
#include "SetupMessages.h"
#include "SetupResources.h"
#include "Win32Installer.h"

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

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Pixels(int twips, int dpi) {
    return static_cast<int>(TwipsAsPixels(twips, dpi));
}

HFONT CreateFormFont(int dpi, bool bold) {
    return CreateFontW(-MulDiv(kFontPoints, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                       bold ? TRUE : FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       kFontFace);
}

const wchar_t* Wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

const wchar_t* ControlText(int id) {
    switch (id) {
    case kCommand1:
        return Wide(kInstallButton);
    case kCommand2:
        return Wide(kCancelButton);
    case kLabel1:
        return Wide(kNotice);
    default:
        return L"";
    }
}

// Picture1 shows the fixed picture at its top left corner.
LRESULT CALLBACK PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        HBITMAP picture = static_cast<HBITMAP>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPictureResource), IMAGE_BITMAP, 0, 0, 0));
        if (picture) {
            BITMAP size{};
            GetObjectW(picture, sizeof size, &size);
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, picture);
            BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
            DeleteObject(picture);
        }
        EndPaint(window, &paint);
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
    const FormPosition position = PlaceForm(PixelsAsTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
                                            PixelsAsTwips(GetSystemMetrics(SM_CYSCREEN), dpi),
                                            PixelsAsTwips(outer.right - outer.left, dpi),
                                            PixelsAsTwips(outer.bottom - outer.top, dpi));
    SetWindowPos(form, nullptr, static_cast<int>(TwipsAsPixels(position.left, dpi)),
                 static_cast<int>(TwipsAsPixels(position.top, dpi)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace

HWND CreateForm1(HINSTANCE instance) {
    RegisterClasses(instance);
    const int dpi = ScreenDpi();
    RECT frame{0, 0, Pixels(kClientWidthTwips, dpi), Pixels(kClientHeightTwips, dpi)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    HWND form = CreateWindowExW(0, kFormClass, Wide(kFormCaption), kFormStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
    if (!form) {
        return nullptr;
    }
    // The fonts live as long as the process; the program ends with its form.
    HFONT buttonFont = CreateFormFont(dpi, true);
    HFONT labelFont = CreateFormFont(dpi, false);
    for (const ControlDesign& control : kControls) {
        HWND child = CreateWindowExW(
            0, control.windowClass, ControlText(control.id), WS_CHILD | WS_VISIBLE | control.style,
            Pixels(control.left, dpi), Pixels(control.top, dpi), Pixels(control.width, dpi),
            Pixels(control.height, dpi), form,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(control.buttonFont ? buttonFont : labelFont), FALSE);
    }
    PlaceOnScreen(form, dpi);
    return form;
}

} // namespace vr::setup

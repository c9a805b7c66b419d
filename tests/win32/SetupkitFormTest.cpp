// Form1 as designed: its layout, place and fonts, and a form that cannot
// be made, said to the user.
#include "BuildPaths.h"
#include "Form1.h"
#include "FormPlacement.h"
#include "SetupMessages.h"
#include "SetupkitBed.h"
#include "SetupkitRun.h"
#include "winsupport/core/Twips.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/ScreenDpi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vr::test {
namespace {

RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Form1 as laid out in twips, placed at a third of the screen height and
// topmost; its picture is saved to the build tree.
TEST(Setupkit, ShowsForm1AsDesigned) {
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const Setupkit setupkit(distribution);
    const HWND form = setupkit.Form();
    ASSERT_NE(form, nullptr);
    const int dpi = ScreenDpi();
    const auto px = [dpi](int twips) {
        return TwipsToPixelsInt(twips, dpi);
    };

    wchar_t caption[128] = {};
    GetWindowTextW(form, caption, 128);
    EXPECT_EQ(std::wstring(caption), Wide(setup::kFormCaption));
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, px(9600));
    EXPECT_EQ(client.bottom, px(4845));
    EXPECT_NE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // The placement may complete a moment after the window shows.
    RECT outer{};
    setup::FormPosition expected{};
    const DWORD start = GetTickCount();
    do {
        Sleep(50);
        GetWindowRect(form, &outer);
        expected = setup::PlaceForm(PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
                                    PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi),
                                    PixelsToTwips(outer.right - outer.left, dpi),
                                    PixelsToTwips(outer.bottom - outer.top, dpi));
    } while (outer.left != TwipsToPixels(expected.left, dpi) && GetTickCount() - start < 2000);
    EXPECT_EQ(outer.left, TwipsToPixels(expected.left, dpi));
    EXPECT_EQ(outer.top, TwipsToPixels(expected.top, dpi));

    struct Control {
        int id;
        const wchar_t* className;
        std::wstring text;
        int left, top, width, height;
    };
    const Control controls[] = {
        {101, L"SetupkitPicture", L"", 0, 0, 9615, 4005},
        {102, L"Button", Wide(setup::kInstallButton), 5280, 4080, 1935, 615},
        {103, L"Button", Wide(setup::kCancelButton), 7440, 4080, 1935, 615},
        {104, L"Static", Wide(setup::kNotice), 120, 4200, 5055, 615},
    };
    HWND child = GetWindow(form, GW_CHILD);
    for (const Control& control : controls) { // in tab order
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), control.id);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        EXPECT_EQ(_wcsicmp(name, control.className), 0) << ToUtf8(name);
        wchar_t text[128] = {};
        GetWindowTextW(child, text, 128);
        EXPECT_EQ(std::wstring(text), control.text);
        const RECT rect = ClientRectOf(child);
        EXPECT_EQ(rect.left, px(control.left)) << control.id;
        EXPECT_EQ(rect.top, px(control.top)) << control.id;
        EXPECT_EQ(rect.right - rect.left, px(control.width)) << control.id;
        EXPECT_EQ(rect.bottom - rect.top, px(control.height)) << control.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    Sleep(300);
    // The picture is drawn: its top left is the dark blue of its gradient,
    // not the window's own colour.
    const HWND picture = GetDlgItem(form, setup::kPicture1);
    ASSERT_NE(picture, nullptr);
    {
        RECT at;
        GetWindowRect(picture, &at);
        const ScopedGetDc screen(nullptr);
        const COLORREF corner = GetPixel(screen.Get(), at.left + 2, at.top + 2);
        EXPECT_LT(GetRValue(corner), 0x40) << std::hex << corner;
        EXPECT_GT(GetBValue(corner), 0x50) << std::hex << corner;
    }
    SaveBitmap(form, std::wstring(kBuildDir) + L"\\setupkit-form1.bmp");
}

// Form1 built in this process, where its fonts can be read: ＭＳ Ｐゴシック
// 12 pt in the Shift-JIS character set, the buttons bold and italic.
TEST(Setupkit, UsesTheFontsOfTheDesign) {
    setup::Form1 form1;
    ASSERT_TRUE(form1.Open());
    const HWND form = form1.Handle();
    const int dpi = ScreenDpi();
    struct Expected {
        int id;
        LONG weight;
        BYTE italic;
    };
    for (const Expected& control :
         {Expected{setup::kCommand1, FW_BOLD, TRUE}, Expected{setup::kCommand2, FW_BOLD, TRUE},
          Expected{setup::kLabel1, FW_NORMAL, FALSE}}) {
        const auto font =
            reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(form, control.id), WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        ASSERT_EQ(GetObjectW(font, sizeof logical, &logical), static_cast<int>(sizeof logical));
        EXPECT_EQ(std::wstring(logical.lfFaceName), Wide(u"ＭＳ Ｐゴシック")) << control.id;
        EXPECT_EQ(logical.lfHeight, -MulDiv(12, dpi, 72)) << control.id;
        EXPECT_EQ(logical.lfWeight, control.weight) << control.id;
        EXPECT_EQ(logical.lfItalic, control.italic) << control.id;
        EXPECT_EQ(logical.lfCharSet, SHIFTJIS_CHARSET) << control.id;
    }
}

// A window procedure that refuses every window of its class.
LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_NCCREATE ? FALSE : DefWindowProcW(window, message, wParam, lParam);
}

DWORD WINAPI RunSetupkitHere(void* exitCode) {
    *static_cast<int*>(exitCode) = setup::RunSetupkit(SW_SHOWNORMAL);
    return 0;
}

// setupkit run in this process, where the class of Form1 or of Picture1 is
// taken first by a procedure that refuses its windows: it says in Japanese
// that its window cannot be shown, and ends with an error code.
TEST(Setupkit, SaysWhenItsWindowCannotBeMadeAndEndsWithAnError) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const wchar_t* taken : {L"SetupkitForm1", L"SetupkitPicture"}) {
        WNDCLASSW refusing{};
        refusing.lpfnWndProc = RefuseCreation;
        refusing.hInstance = instance;
        refusing.lpszClassName = taken;
        ASSERT_NE(RegisterClassW(&refusing), 0) << ToUtf8(taken);
        int exitCode = 0;
        const UniqueHandle thread(CreateThread(nullptr, 0, RunSetupkitHere, &exitCode, 0, nullptr));
        DialogReport report;
        if (const HWND box = WaitForMessageBox(GetCurrentProcessId(), 5000)) {
            report = ReadMessageBox(box);
            EXPECT_TRUE(PressOk(box, 5000));
        }
        EXPECT_EQ(WaitForSingleObject(thread.Get(), 5000), WAIT_OBJECT_0) << ToUtf8(taken);
        for (const wchar_t* name : {L"SetupkitForm1", L"SetupkitPicture"}) {
            UnregisterClassW(name, instance);
        }

        EXPECT_EQ(report.caption, L"setupkit") << ToUtf8(taken);
        EXPECT_EQ(report.text.rfind(Wide(setup::kFormFailed), 0), 0u) << ToUtf8(report.text);
        EXPECT_NE(report.text.find(Wide(u"（エラー ")), std::wstring::npos) << ToUtf8(report.text);
        EXPECT_EQ(report.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_NE(exitCode, 0) << ToUtf8(taken);
    }
}

} // namespace
} // namespace vr::test

// The VadoRariri window shown (vadorariri_window.exe), driven from outside
// against the stand-in CAD.
#include "BuildPaths.h"
#include "ToolBed.h"
#include "messages/WindowMessages.h"
#include "window/MainWindowLayout.h"
#include "winsupport/core/Twips.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/ScreenDpi.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::ScratchFolder;
using test::StandinCad;

std::vector<HWND> WindowsTitled(DWORD processId, const wchar_t* title) {
    std::vector<HWND> titled;
    for (HWND window : test::VisibleTopWindows(processId)) {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (wcscmp(text, title) == 0) {
            titled.push_back(window);
        }
    }
    return titled;
}

// A control's text, asked of its window (another program's controls do not
// answer GetWindowText with their contents).
std::wstring TextOf(HWND window) {
    wchar_t text[4096] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return text;
}

// vadorariri_window.exe installed beside the stand-in's settings.
class WindowProgram {
  public:
    explicit WindowProgram(const ScratchFolder& folder) {
        const std::wstring exe = folder.File(L"vadorariri_window.exe");
        CopyFileW(
            (std::wstring(kStandinDir) + L"\\..\\tests\\win32\\vadorariri_window.exe").c_str(),
            exe.c_str(), FALSE);
        folder.Write(L"ZuDuv.ini", test::kSettings);
        const PROCESS_INFORMATION started = test::StartProgram(exe);
        process_.Reset(started.hProcess);
        CloseHandle(started.hThread);
        processId_ = started.dwProcessId;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 10000) {
            const auto windows = WindowsTitled(processId_, L"VadoRariri");
            if (!windows.empty()) {
                main_ = windows[0];
                break;
            }
            Sleep(20);
        }
        // Answered once the program is in its message loop, its window laid out.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    ~WindowProgram() {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.Get(), 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.Get(), 99);
        }
    }
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    [[nodiscard]] HWND Main() const { return main_; }
    [[nodiscard]] HWND Control(int id) const { return GetDlgItem(main_, id); }
    [[nodiscard]] DWORD ProcessId() const { return processId_; }
    [[nodiscard]] bool WaitForExit(DWORD timeoutMs) const {
        return WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
    }
    // As a click on the button or the menu item.
    void Command(int id) const {
        PostMessageW(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
    // Waits, bounded, until the control's text is the expected one.
    [[nodiscard]] bool WaitForText(int id, const std::wstring& text) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 5000) {
            if (TextOf(Control(id)) == text) {
                return true;
            }
            Sleep(20);
        }
        return false;
    }
    [[nodiscard]] HWND WaitForHistory() const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 5000) {
            const auto windows = WindowsTitled(processId_, L"ﾋｽﾄﾘｰ");
            if (!windows.empty()) {
                return windows[0];
            }
            Sleep(20);
        }
        return nullptr;
    }
    [[nodiscard]] test::DialogReport TakeMessageBox() const {
        test::DialogReport report;
        if (HWND box = test::WaitForMessageBox(processId_, 5000)) {
            Sleep(20);
            report = test::ReadMessageBox(box);
            (void)test::PressOk(box, 5000);
        }
        return report;
    }

  private:
    vr::UniqueHandle process_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};

void Type(HWND window, const std::string& text) {
    for (const char c : text) {
        SendMessageW(window, WM_CHAR, static_cast<WPARAM>(c), 0);
    }
}

// The window in front and the keyboard focus in one of its controls, set
// from this process through a shared input state; true once the window's
// thread reports the focus there.
bool FocusFromOutside(HWND main, HWND control) {
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
    SetForegroundWindow(main);
    SetFocus(control);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 2000) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == control) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

// A key pressed and released through the system's input stream.
void PressKey(WORD key) {
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof(INPUT));
        Sleep(20);
    }
}

std::wstring HistoryText(HWND history) {
    return TextOf(GetWindow(history, GW_CHILD));
}

// Resizes another program's window and waits, bounded, until it has laid
// itself out (the size change reaches that program as a message).
void ResizeAndSettle(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    const DWORD start = GetTickCount();
    RECT frame{};
    do {
        Sleep(20);
        GetWindowRect(window, &frame);
    } while (frame.right - frame.left != width && GetTickCount() - start < 2000);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

TEST(VadoRaririWindow, LoadStepWithoutACadLeavesTheListEmpty) {
    const ScratchFolder folder(L"window-nocad");
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    EXPECT_EQ(SendMessageW(window.Control(kIdCmbFileName), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(window.Control(kIdCmbFileName), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(TextOf(window.Control(kIdTxtGet)), L"txtGet");
    EXPECT_EQ(TextOf(window.Control(kIdTxtPut)), L"txtPut");
    EXPECT_EQ(TextOf(window.Control(kIdLabel2)), L"ｺﾏﾝﾄﾞ");
    EXPECT_EQ(TextOf(window.Control(kIdLabel3)), L"入力値");
    // Each operation without a selected CAD says so and sends nothing.
    for (const int id : {kIdCmdGet, kIdCmdPut, kIdCmdHistory1, kIdCmdHistory2}) {
        window.Command(id);
        const test::DialogReport box = window.TakeMessageBox();
        EXPECT_EQ(box.text, test::Wide(kNoCadSelectedMessage)) << id;
        EXPECT_EQ(box.caption, L"VadoRariri");
        EXPECT_FALSE(box.hasIcon);
    }
}

TEST(VadoRaririWindow, LoadStepWithTwoCadsSelectsTheLastAndReadsItsCommandLine) {
    const ScratchFolder folder(L"window-two");
    const ScratchFolder other(L"window-two-other");
    StandinCad first(folder, L"acad.exe", L"--drawing a.dwg");
    StandinCad second(other, L"acad.exe", L"--drawing b.dwg");
    ASSERT_TRUE(first.Ready() && second.Ready());
    Type(first.Input(), "(first");
    Type(second.Input(), "(second");
    const auto order = test::SnapshotOrder();
    const bool firstIsLast = std::find(order.begin(), order.end(), first.ProcessId()) >
                             std::find(order.begin(), order.end(), second.ProcessId());
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    EXPECT_EQ(SendMessageW(window.Control(kIdCmbFileName), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(window.Control(kIdCmbFileName), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(window.Control(kIdTxtGet)), firstIsLast ? L"(first" : L"(second");
}

TEST(VadoRaririWindow, PutAndEnterSendTheLineToTheCad) {
    const ScratchFolder folder(L"window-put");
    StandinCad cad(folder, L"acad.exe", L"");
    ASSERT_TRUE(cad.Ready());
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    HWND txtPut = window.Control(kIdTxtPut);

    SendMessageW(txtPut, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ABC"));
    window.Command(kIdCmdPut);
    EXPECT_TRUE(cad.Journal().WaitFor(
        {"{\"event\":\"copydata\",\"dwData\":1,\"bytes\":5,\"text\":\"ABC\\r\""}));
    EXPECT_TRUE(cad.Journal().WaitFor({"{\"event\":\"execute\",\"line\":\"ABC\""}));

    SendMessageW(txtPut, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"(princ \"表ソ\")"));
    window.Command(kIdCmdPut);
    EXPECT_TRUE(cad.Journal().WaitFor({"\"event\":\"copydata\"", "\"bytes\":16"}));
    EXPECT_TRUE(cad.Journal().WaitFor({"{\"event\":\"print\",\"text\":\"表ソ\""}));

    // Enter does what Put does and leaves no character in the box: a real
    // key, which passes the window's message loop as a user's key does.
    SendMessageW(txtPut, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"XYZ"));
    ASSERT_TRUE(FocusFromOutside(window.Main(), txtPut));
    PressKey(VK_RETURN);
    EXPECT_TRUE(cad.Journal().WaitFor(
        {"{\"event\":\"copydata\",\"dwData\":1,\"bytes\":5,\"text\":\"XYZ\\r\""}));
    EXPECT_EQ(TextOf(txtPut), L"XYZ");
    // Put ends with Get: txtGet shows the command line after the sending.
    Type(cad.Input(), "(pending");
    window.Command(kIdCmdGet);
    EXPECT_TRUE(window.WaitForText(kIdTxtGet, L"(pending"));
}

TEST(VadoRaririWindow, History1ShowsWhatTheCadCopiesOrWhatTheClipboardHolds) {
    const ScratchFolder folder(L"window-history1");
    StandinCad cad(folder, L"acad.exe", L"");
    ASSERT_TRUE(cad.Ready());
    test::SendCopyData(cad.Main(), "(setq a 42)");
    ASSERT_TRUE(cad.Journal().WaitFor({"{\"event\":\"print\",\"text\":\"42\\n\""}));
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    window.Command(kIdCmdHistory1);
    HWND history = window.WaitForHistory();
    ASSERT_TRUE(history);
    EXPECT_NE(HistoryText(history).find(L"Command: (setq a 42)\r\n42"), std::wstring::npos);
}

TEST(VadoRaririWindow, History1WhenTheCadIgnoresTheCommand) {
    const ScratchFolder folder(L"window-history1-ignored");
    StandinCad cad(folder, L"acad.exe", L"--ignore-32781");
    ASSERT_TRUE(cad.Ready());
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    // Text already on the clipboard is what is shown.
    ASSERT_TRUE(test::SetClipboardBytes("before"));
    window.Command(kIdCmdHistory1);
    HWND history = window.WaitForHistory();
    ASSERT_TRUE(history);
    EXPECT_EQ(HistoryText(history), L"before");
    // No text on the clipboard: the message, the history window unchanged.
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    window.Command(kIdCmdHistory1);
    EXPECT_EQ(window.TakeMessageBox().text, test::Wide(kNotTextMessage));
    EXPECT_EQ(HistoryText(history), L"before");
}

TEST(VadoRaririWindow, History2ReadsTheHistoryBoxOrShowsOneSpace) {
    struct Case {
        const wchar_t* arguments;
        bool hasTextWindow;
    };
    for (const Case c : {Case{L"", true}, Case{L"--no-text-window", false}}) {
        const ScratchFolder folder(L"window-history2");
        StandinCad cad(folder, L"acad.exe", c.arguments);
        ASSERT_TRUE(cad.Ready());
        WindowProgram window(folder);
        ASSERT_TRUE(window.Main());
        window.Command(kIdCmdHistory2);
        HWND history = window.WaitForHistory();
        ASSERT_TRUE(history);
        if (c.hasTextWindow) {
            EXPECT_NE(HistoryText(history).find(L"StandIn CAD ready."), std::wstring::npos);
        } else {
            EXPECT_EQ(HistoryText(history), L" ");
        }
        // Used again, the one history window is reused; its box fills it.
        window.Command(kIdCmdHistory2);
        Sleep(200);
        EXPECT_EQ(WindowsTitled(window.ProcessId(), L"ﾋｽﾄﾘｰ").size(), 1u);
        ResizeAndSettle(history, 500, 300);
        RECT client, box;
        GetClientRect(history, &client);
        GetWindowRect(GetWindow(history, GW_CHILD), &box);
        EXPECT_EQ(box.right - box.left, client.right);
        EXPECT_EQ(box.bottom - box.top, client.bottom);
        // Closed by its close box it is gone; the next use creates it anew.
        PostMessageW(history, WM_CLOSE, 0, 0);
        const DWORD start = GetTickCount();
        while (IsWindow(history) && GetTickCount() - start < 5000) {
            Sleep(20);
        }
        EXPECT_FALSE(IsWindow(history));
        window.Command(kIdCmdHistory2);
        HWND again = window.WaitForHistory();
        EXPECT_TRUE(again);
        EXPECT_NE(again, history);
        // End closes the main window; the unload step closes the history.
        window.Command(kIdMnuEnd);
        EXPECT_TRUE(window.WaitForExit(5000));
    }
}

RECT ClientRectOf(HWND control, HWND parent) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The labels hold their whole text in the form font of Japanese Windows,
// ＭＳ Ｐゴシック 9 pt: 「入力値」 needs more than its designed 495 twips.
TEST(VadoRaririWindow, LabelsHoldTheirTextInTheJapaneseFormFont) {
    const ScratchFolder folder(L"window-labels");
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    const int dpi = ScreenDpi();
    const GdiObject<HFONT> font(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                            FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                            DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック"));
    const ScopedGetDc dc(nullptr);
    const SelectedObject selected(dc.Get(), font.Get());
    for (const ControlDesign& design : kMainWindowControls) {
        if (design.kind != ControlKind::Label) {
            continue;
        }
        const std::wstring text(design.text.begin(), design.text.end());
        SIZE extent{};
        ASSERT_TRUE(
            GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent));
        const RECT rect = ClientRectOf(window.Control(design.id), window.Main());
        EXPECT_GE(rect.right - rect.left, extent.cx) << design.name;
        EXPECT_LE(rect.right, ClientRectOf(window.Control(kIdTxtPut), window.Main()).left)
            << design.name;
    }
}

TEST(VadoRaririWindow, WideningMovesNothingAndWidensTheThreeBoxes) {
    const ScratchFolder folder(L"window-resize");
    WindowProgram window(folder);
    ASSERT_TRUE(window.Main());
    HWND main = window.Main();
    const int dpi = ScreenDpi();
    std::map<int, RECT> before;
    for (const ControlDesign& design : kMainWindowControls) {
        before[design.id] = ClientRectOf(window.Control(design.id), main);
    }
    RECT client, frame;
    GetClientRect(main, &client);
    GetWindowRect(main, &frame);
    const int widen = TwipsToPixelsInt(1000, dpi);
    ResizeAndSettle(main, frame.right - frame.left + widen, frame.bottom - frame.top);
    RECT widened;
    GetClientRect(main, &widened);
    const int grown = widened.right - client.right;
    ASSERT_GT(grown, 0);
    for (const ControlDesign& design : kMainWindowControls) {
        const RECT now = ClientRectOf(window.Control(design.id), main);
        const RECT& was = before[design.id];
        EXPECT_EQ(now.left, was.left) << design.name;
        EXPECT_EQ(now.top, was.top) << design.name;
        const bool follows =
            design.id == kIdCmbFileName || design.id == kIdTxtGet || design.id == kIdTxtPut;
        EXPECT_NEAR((now.right - now.left) - (was.right - was.left), follows ? grown : 0, 1)
            << design.name;
    }
    // Minimized, the client is narrower than the boxes' left edge: their
    // widths stop at zero.
    ShowWindow(main, SW_MINIMIZE);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    const RECT narrow = ClientRectOf(window.Control(kIdTxtGet), main);
    EXPECT_EQ(narrow.right - narrow.left, 0);
}

} // namespace
} // namespace vr

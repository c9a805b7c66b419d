#pragma once

// What the end-to-end tests of the tools share: an installed tool folder and
// the desktop state before and after a run.
#include "StandinDriver.h"
#include "messages/FirstRunMessages.h"
#include "outcome/StopKind.h"

#include <gtest/gtest.h>

#include <utility>

namespace vr::test {

inline constexpr char kSettings[] = "[Main]\r\n"
                                    "ACADName=acad\r\n"
                                    "CommandCaption=Command Line\r\n"
                                    "MainCaption=StandIn CAD 2024\r\n"
                                    "TextCaption=StandIn CAD Text Window\r\n"
                                    "MainCmdCtrlID=1001\r\n"
                                    "TextCmdCtrlID=1002\r\n"
                                    "MainHistCtrlID=1003\r\n"
                                    "TextHistCtrlID=1004\r\n";

// The exit code a tool process ends with after a stop of this kind.
inline DWORD ToolExitCode(StopKind kind) {
    return static_cast<DWORD>(ExitCodeOf(kind));
}

// Where a failed first run of a tool in the folder writes its window report.
inline ReportPlace ReportIn(const ScratchFolder& folder) {
    const std::wstring path = folder.File(L"cadwindows.txt");
    return ReportPlace{Text(path.begin(), path.end())};
}

// The desktop as a user left it before the tool ran.
struct DesktopState {
    POINT cursor{};
    RECT clip{};
};

// confine: a rectangle the user had confined the cursor to, which the run
// must leave in place; none by default.
inline DesktopState PrepareDesktop(const RECT* confine = nullptr) {
    // The cursor stays where the display has it: under Wine a position set
    // by a program without a window can be taken back by the X pointer.
    ClipCursor(confine);
    SetClipboardBytes("the user's text");
    DesktopState state;
    GetCursorPos(&state.cursor);
    GetClipCursor(&state.clip);
    return state;
}

// Lets go of what a failed run left held, so that one failure does not
// spill into the next test as a Ctrl+click or a drag.
inline void ReleaseHeldInput() {
    for (const auto& [key, extended] : {std::pair{VK_CONTROL, false}, std::pair{VK_CONTROL, true},
                                        std::pair{static_cast<int>('V'), false}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(key);
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
        input.ki.dwFlags = KEYEVENTF_KEYUP | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        SendInput(1, &input, sizeof(INPUT));
    }
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &input, sizeof(INPUT));
    }
}

inline void ExpectDesktopPutBack(const DesktopState& before, HWND cad) {
    POINT cursor{};
    RECT clip{};
    // Wine's X11 layer reports pointer warps back a moment later; allow the
    // position a short time to settle.
    const DWORD start = GetTickCount();
    do {
        Sleep(20);
        GetCursorPos(&cursor);
    } while ((cursor.x != before.cursor.x || cursor.y != before.cursor.y) &&
             GetTickCount() - start < 1000);
    GetClipCursor(&clip);
    EXPECT_EQ(cursor.x, before.cursor.x);
    EXPECT_EQ(cursor.y, before.cursor.y);
    EXPECT_TRUE(EqualRect(&clip, &before.clip));
    if (cad && IsWindow(cad)) {
        EXPECT_EQ(GetWindowLongW(cad, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    }
    // Nothing the run pressed is still down: a Ctrl left down turns the
    // user's next click into a Ctrl+click.
    bool held = false;
    for (const auto& [key, name] :
         {std::pair{VK_CONTROL, "Ctrl"}, std::pair{VK_LCONTROL, "left Ctrl"},
          std::pair{VK_RCONTROL, "right Ctrl"}, std::pair{static_cast<int>('V'), "V"},
          std::pair{VK_LBUTTON, "left button"}}) {
        const bool down = (GetAsyncKeyState(key) & 0x8000) != 0;
        EXPECT_FALSE(down) << name << " is still down";
        held = held || down;
    }
    if (held) {
        ReleaseHeldInput();
    }
}

// A folder set up as a user's installation of one tool: the program, its
// settings for the stand-in CAD, delay.dat and its input file.
struct ToolFolder {
    ToolFolder(const std::wstring& name, const std::wstring& tool, const std::wstring& inputName,
               const std::string& input, const std::string& delay = "5\r\n")
        : folder(name), exe(tool + L".exe") {
        folder.CopyTool(exe);
        folder.Write(L"delay.dat", delay);
        folder.Write(L"ZuDuv.ini", kSettings);
        if (!inputName.empty()) {
            folder.Write(inputName, input);
        }
    }
    [[nodiscard]] std::wstring Support() const { return L"--support \"" + folder.Path() + L"\""; }
    [[nodiscard]] ProcessRun Run(const std::wstring& arguments = L"") const {
        return RunAndWatch(folder.File(exe), arguments, 30000);
    }
    ScratchFolder folder;
    std::wstring exe;
};

// A run of the tool over an input file it must refuse: one message that
// holds the expected words, the input exit code, no click into the CAD, the
// user's clipboard kept and no go.lsp written.
inline void ExpectInputRefused(const std::wstring& tool, const std::wstring& inputName,
                               const std::string& input, const std::wstring& message) {
    SCOPED_TRACE(ToUtf8(message));
    const ToolFolder folder(tool + L"-input", tool, inputName, input);
    StandinCad cad(folder.folder, L"acad.exe", folder.Support());
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(SetClipboardBytes("the user's text"));
    const ProcessRun run = folder.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, ToolExitCode(StopKind::Input));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_NE(run.dialogs[0].text.find(message), std::wstring::npos) << ToUtf8(run.dialogs[0].text);
    EXPECT_EQ(cad.Journal().Count("\"event\":\"click\""), 0u);
    EXPECT_EQ(ClipboardBytes(), "the user's text");
    EXPECT_EQ(GetFileAttributesW(folder.folder.File(L"go.lsp").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace vr::test

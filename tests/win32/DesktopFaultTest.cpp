// A tool run under Wine against a stand-in CAD that closes or hangs part-way:
// nothing is typed into another program, every wait ends, and the desktop is
// left as it was found. (The CAD's own topmost state is proved over the
// recording fake: Wine 8 keeps WS_EX_TOPMOST on an owned window once its owner
// was made topmost, whatever SetWindowPos is asked afterwards, and a
// cross-process HWND_TOPMOST marks the owned window rather than the owner.)
#include "BuildPaths.h"
#include "ToolBed.h"
#include "messages/ToolMessages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::DesktopState;
using test::ExpectDesktopPutBack;
using test::PrepareDesktop;
using test::StandinCad;
using test::ToolFolder;

// Another program, which comes to the front when the CAD goes: it records
// every key and paste that reaches it.
std::wstring EditorArguments() {
    return L"--main-caption \"Untitled - Editor\" --no-text-window";
}

void ExpectNothingTyped(const StandinCad& editor) {
    for (const char* event : {"\"event\":\"key\"", "\"event\":\"char\"", "\"event\":\"paste\""}) {
        EXPECT_EQ(editor.Journal().Count(event), 0u) << event << "\n" << editor.Journal().Dump();
    }
}

TEST(DesktopFaults, ACadThatClosesPartWayGetsNoKeysAndNeitherDoesAnyoneElse) {
    for (const std::wstring step : {L"topmost", L"click"}) {
        SCOPED_TRACE(test::ToUtf8(step));
        const ToolFolder tool(L"fault-exit-" + step, L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
        StandinCad editor(tool.folder, L"editor.exe", EditorArguments());
        ASSERT_TRUE(editor.Ready());
        StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --exit-on " + step);
        ASSERT_TRUE(cad.Ready());
        const DesktopState before = PrepareDesktop();
        const test::ProcessRun run = tool.Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::CadLost)) << cad.Journal().Dump();
        ASSERT_EQ(run.dialogs.size(), 1u);
        EXPECT_EQ(run.dialogs[0].text, test::Wide(CadLostFocusMessage()));
        ExpectDesktopPutBack(before, nullptr);
        ExpectNothingTyped(editor);
        EXPECT_EQ(cad.Journal().Count("\"event\":\"key\""), 0u);
    }
}

TEST(DesktopFaults, ACadThatHangsAfterTheClickEndsTheRunAsNotAnswering) {
    const ToolFolder tool(L"fault-hang-click", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --hang-on click --hang-for 60000");
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const DWORD start = GetTickCount();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    // One bounded wait for the z-order reset, then the retries fail at once.
    EXPECT_LT(GetTickCount() - start, 7000u);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::CadNotAnswering));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].text, test::Wide(CadNotRespondingMessage(kOperationTopmostOff)))
        << cad.Journal().Dump();
    ExpectDesktopPutBack(before, nullptr);
}

TEST(DesktopFaults, ACrashNothingCatchesStillFreesTheCursorTheKeysAndTheCad) {
    const test::ScratchFolder folder(L"fault-crash");
    StandinCad cad(folder, L"acad.exe", L"--no-text-window");
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    wchar_t window[24];
    swprintf(window, 24, L"%lx",
             static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(cad.Main())));
    const test::ProcessRun run = test::RunAndWatch(
        std::wstring(kTestProgramsDir) + L"\\crash_after_confine.exe", window, 20000);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_TRUE(run.dialogs.empty());
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_TRUE(EqualRect(&clip, &before.clip));
    // Released as pressed: the right Ctrl, and with it Ctrl as such.
    EXPECT_EQ(GetAsyncKeyState(VK_CONTROL) & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState(VK_RCONTROL) & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState(VK_LCONTROL) & 0x8000, 0);
    test::ReleaseHeldInput();
    // The z-order reset is posted to the CAD: it arrives once the CAD reads
    // its messages.
    const DWORD start = GetTickCount();
    while ((GetWindowLongW(cad.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) &&
           GetTickCount() - start < 3000) {
        Sleep(20);
    }
    EXPECT_EQ(GetWindowLongW(cad.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

} // namespace
} // namespace vr

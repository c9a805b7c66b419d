#include "JobWorld.h"
#include "TestText.h"
#include "job/ClickTarget.h"
#include "messages/FirstRunMessages.h"
#include "messages/ToolMessages.h"
#include "messages/WindowMessages.h"
#include "process/EntrySequence.h"

#include <gtest/gtest.h>

#include <new>
#include <numeric>

namespace vr {
namespace {

using test::FakeToolServices;
using test::JobWorld;
using Calls = std::vector<std::string>;

const Calls kWholeRun = {
    "AcquireRunLock(10000)",
    "GetCursorPos",
    "GetClipCursor",
    "IsWindow(0x100)",
    "IsWindow(0x110)",
    // The CAD takes input: no dialog of its own is open.
    "IsWindowEnabled(0x100)",
    "IsIconic(0x100)",
    "SetForegroundWindow(0x100)",
    "GetWindowRect(0x110)",
    // It shows its command line on a monitor.
    "IsWindowVisible(0x110)",
    "MonitorFromPoint(405,565)",
    "SetWindowPos(0x100,-1,3)",
    "SetCursorPos(405,565)",
    "ClipCursor(100,500,711,631)",
    "SetCursorPos(405,565)",
    // The CAD still there and in front before the click and before the keys.
    "IsWindow(0x100)",
    "IsWindow(0x110)",
    // What a click at the point reaches is the command area.
    "WindowFromPoint(405,565)",
    "MouseInput(2)",
    "Sleep(35)",
    "MouseInput(4)",
    "Sleep(35)",
    "OpenClipboard(0x900)",
    "EmptyClipboard",
    "CloseClipboard",
    "PumpMessages",
    "Sleep(60)",
    "WriteFile(go.lsp)",
    "OpenClipboard(0x900)",
    "EmptyClipboard",
    "SetClipboardText(<ESC>(load \"go\")<CR><LF>)",
    "CloseClipboard",
    "PumpMessages",
    "Sleep(60)",
    "SetCursorPos(405,565)",
    "IsWindow(0x100)",
    "IsWindow(0x110)",
    // The click gave the command line's input box the keyboard focus.
    "GetGUIThreadInfo(40)",
    "IsChild(0x110,0x111)",
    "MapVirtualKeyA(17,0)",
    "SendInput(1,17,29,1,0,0)",
    "Sleep(35)",
    "MapVirtualKeyA(86,0)",
    "SendInput(1,86,47,1,0,0)",
    "Sleep(35)",
    "MapVirtualKeyA(86,0)",
    "SendInput(1,86,47,3,0,0)",
    "Sleep(35)",
    "MapVirtualKeyA(17,0)",
    "SendInput(1,17,29,3,0,0)",
    "Sleep(35)",
    "OpenClipboard(0x900)",
    "EmptyClipboard",
    "CloseClipboard",
    "PumpMessages",
    "Sleep(60)",
    "ClipCursor(0,0,1280,1024)",
    "SetCursorPos(10,20)",
    "SetWindowPos(0x100,-2,67)",
    // The restored cursor read back before the next run may start.
    "GetCursorPos",
    "ReleaseRunLock",
};

TEST(RunToolJob, WholeRunMakesTheCallsInOrder) {
    JobWorld world;
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(world.fake.desktop.JobCalls(), kWholeRun);
    EXPECT_FALSE(world.fake.desktop.clipboardHasText);
    EXPECT_EQ(world.fake.desktop.cursor, (ScreenPoint{10, 20}));
}

// The calls from the last key up to the topmost state taken off.
Calls AfterTheKeys(const std::vector<std::string>& calls) {
    const auto last = std::find(calls.begin(), calls.end(), "SendInput(1,17,29,3,0,0)");
    const auto end = std::find(calls.begin(), calls.end(), "SetWindowPos(0x100,-2,67)");
    return last == calls.end() ? Calls{} : Calls(last + 1, end);
}

// A CAD that comes to its Ctrl+V late must still find the load command on
// the clipboard: it is emptied only once the CAD's thread has answered twice
// after the keys, and kept when it does not answer.
TEST(RunToolJob, ClipboardIsEmptiedOnlyOnceTheCadHasComeToTheKeys) {
    const Calls answered = {
        "Sleep(35)",
        "SendMessageTimeoutA(0x110,0,2000)",
        "SendMessageTimeoutA(0x110,0,2000)",
        "OpenClipboard(0x900)",
        "EmptyClipboard",
        "CloseClipboard",
        "PumpMessages",
        "Sleep(60)",
        "ClipCursor(0,0,1280,1024)",
        "SetCursorPos(10,20)",
    };
    const Calls unanswered = {
        "Sleep(35)",
        "SendMessageTimeoutA(0x110,0,2000)",
        "ClipCursor(0,0,1280,1024)",
        "SetCursorPos(10,20)",
    };
    const Calls withoutEmptying = {
        "Sleep(35)",
        "ClipCursor(0,0,1280,1024)",
        "SetCursorPos(10,20)",
    };
    struct Case {
        const char* name;
        bool emptyAfterPaste;
        bool cadAnswers;
        const Calls& calls;
        bool loadCommandKept;
    };
    const Case cases[] = {
        {"answers: emptied", true, true, answered, false},
        {"does not answer: kept for the paste to come", true, false, unanswered, true},
        {"a tool that keeps the clipboard asks nothing", false, true, withoutEmptying, true},
    };
    for (const Case& c : cases) {
        JobWorld world;
        if (!c.cadAnswers) {
            world.fake.desktop.failures["SendMessageTimeoutA(0x110)"] = -1;
        }
        EXPECT_TRUE(RunToolJob(world.run, world.Plan(c.emptyAfterPaste)).ok()) << c.name;
        EXPECT_EQ(AfterTheKeys(world.fake.desktop.calls), c.calls) << c.name;
        EXPECT_EQ(world.fake.desktop.clipboardHasText, c.loadCommandKept) << c.name;
        EXPECT_EQ(world.fake.desktop.cursor, (ScreenPoint{10, 20})) << c.name;
    }
}

TEST(RunToolJob, MinimizedCadIsRestoredByOpenIconOnly) {
    JobWorld world;
    world.fake.desktop.windows[JobWorld::kMain].iconic = true;
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    Calls expected = kWholeRun;
    *std::find(expected.begin(), expected.end(), "SetForegroundWindow(0x100)") = "OpenIcon(0x100)";
    EXPECT_EQ(world.fake.desktop.JobCalls(), expected);
}

TEST(RunToolJob, WithoutSecondEmptyingTheLoadCommandStaysOnTheClipboard) {
    JobWorld world;
    EXPECT_TRUE(RunToolJob(world.run, world.Plan(false)).ok());
    EXPECT_EQ(world.fake.desktop.clipboard, "\x1b(load \"go\")\r\n");
    EXPECT_EQ(world.fake.desktop.Count("PumpMessages"), 2u);
}

TEST(RunToolJob, GaugereadHasNoToolStepAndNoSecondEmptying) {
    JobWorld world;
    EXPECT_TRUE(RunToolJob(world.run, ToolJobPlan{.loadCommand = LoadCommandFor(u"qvpos"),
                                                  .emptyClipboardAfterPaste = false})
                    .ok());
    Calls expected = kWholeRun;
    std::erase(expected, "WriteFile(go.lsp)");
    *std::find(expected.begin(), expected.end(), "SetClipboardText(<ESC>(load \"go\")<CR><LF>)") =
        "SetClipboardText(<ESC>(load \"qvpos\")<CR><LF>)";
    // Step 17 (the last open/empty/close, pump and long wait) is left out.
    const auto last = std::find(expected.rbegin(), expected.rend(), "OpenClipboard(0x900)");
    expected.erase(std::prev(last.base()), std::prev(last.base()) + 5);
    EXPECT_EQ(world.fake.desktop.JobCalls(), expected);
    EXPECT_EQ(world.fake.desktop.clipboard, "\x1b(load \"qvpos\")\r\n");
}

TEST(RunToolJob, WaitsAreSixShortAndThreeLongAtEveryFactor) {
    struct Case {
        std::int16_t factor;
        bool emptyAfterPaste;
        std::vector<std::uint32_t> sleeps;
    };
    const Case cases[] = {
        {1, true, {7, 7, 12, 12, 7, 7, 7, 7, 12}},
        {5, true, {35, 35, 60, 60, 35, 35, 35, 35, 60}},
        {20, true, {140, 140, 240, 240, 140, 140, 140, 140, 240}},
        {5, false, {35, 35, 60, 60, 35, 35, 35, 35}},
    };
    for (const Case& c : cases) {
        JobWorld world;
        world.run.delayFactor = c.factor;
        EXPECT_TRUE(RunToolJob(world.run, world.Plan(c.emptyAfterPaste)).ok());
        EXPECT_EQ(world.fake.desktop.sleeps, c.sleeps) << c.factor;
        const auto total = std::accumulate(c.sleeps.begin(), c.sleeps.end(), 0u);
        EXPECT_EQ(total, static_cast<std::uint32_t>(c.factor) * (c.emptyAfterPaste ? 78u : 66u));
    }
}

TEST(RunToolJob, ClickPointRoundsTowardsMinusInfinity) {
    const std::pair<ScreenRect, ScreenPoint> cases[] = {
        {{100, 500, 711, 631}, {405, 565}},
        {{-5, -5, 0, 0}, {-3, -3}},
        {{-6, -4, 1, 1}, {-3, -2}},
        {{-2147483647 - 1, 0, -2147483647 - 1, 1}, {-2147483647 - 1, 0}},
        {{2147483646, 2147483647, 2147483647, 2147483647}, {2147483646, 2147483647}},
    };
    for (const auto& [rect, point] : cases) {
        EXPECT_EQ(ClickPoint(rect), point) << rect.left << "," << rect.right;
    }
}

TEST(RunToolJob, CallThatFailsAFewTimesIsRetried) {
    struct Case {
        std::string failing;
        std::string call;
        std::size_t attempts;
        std::size_t pumps; // 3 in a run that fails nowhere
    };
    const Case cases[] = {
        {"SetForegroundWindow", "SetForegroundWindow(0x100)", 4, 3},
        {"SetWindowPos(-1)", "SetWindowPos(0x100,-1,3)", 4, 6},
        {"SetCursorPos", "SetCursorPos(405,565)", 3 + 3, 6},
        {"SendInput(86/1)", "SendInput(1,86,47,1,0,0)", 4, 3},
    };
    for (const Case& c : cases) {
        JobWorld world;
        world.fake.desktop.failures[c.failing] = 3;
        EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok()) << c.failing;
        EXPECT_EQ(world.fake.desktop.Count(c.call), c.attempts) << c.failing;
        EXPECT_EQ(world.fake.desktop.Count("PumpMessages"), c.pumps) << c.failing;
    }
}

// The calls after the last one with the prefix.
Calls After(const Calls& calls, const std::string& prefix) {
    auto last = std::find_if(calls.rbegin(), calls.rend(),
                             [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
    return Calls(last.base(), calls.end());
}

TEST(RunToolJob, CallThatNeverSucceedsIsBoundedAndTheDesktopPutBack) {
    JobWorld world;
    world.fake.desktop.failures["SendInput(86/1)"] = -1;
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message, CadNotRespondingMessage(u"キー入力"));
    // Bounded, with a pause after each failed attempt: no busy loop.
    EXPECT_LE(world.fake.desktop.Count("SendInput(1,86,47,1,0,0)"), 3000u / 5 + 1);
    EXPECT_GE(world.fake.desktop.Count("Sleep(5)"), 3000u / 6);
    // Ctrl released, confinement and cursor restored, topmost cleared.
    EXPECT_EQ(After(world.fake.desktop.JobCalls(), "SendInput(1,86,47,1,0,0)"),
              (Calls{"MapVirtualKeyA(17,0)", "SendInput(1,17,29,3,0,0)",
                     "ClipCursor(0,0,1280,1024)", "SetCursorPos(10,20)",
                     "SetWindowPos(0x100,-2,67)", "GetCursorPos", "ReleaseRunLock"}));
    EXPECT_EQ(world.fake.desktop.Count("WriteFile(go.lsp)"), 1u);
}

TEST(RunToolJob, ToolStepFailurePutsTheDesktopBackAndPastesNothing) {
    JobWorld world;
    world.fake.files.failWrites = true;
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().kind, StopKind::OutputUnwritable);
    EXPECT_EQ(status.failure().message,
              OutputFileUnwritableMessage(u"go.lsp", u"C:\\Tools\\go.lsp",
                                          u"ディスクに空き領域が不足しています。"));
    EXPECT_EQ(After(world.fake.desktop.JobCalls(), "WriteFile(go.lsp)"),
              (Calls{"ClipCursor(0,0,1280,1024)", "SetCursorPos(10,20)",
                     "SetWindowPos(0x100,-2,67)", "GetCursorPos", "ReleaseRunLock"}));
    EXPECT_EQ(world.fake.desktop.Count("SendInput"), 0u);
}

TEST(RunToolJob, MessageComesAfterTheDesktopIsBack) {
    JobWorld world;
    world.fake.files.files[u"C:\\Tools\\delay.dat"] = "5";
    world.fake.desktop.failures["SetWindowPos(-1)"] = -1;
    EXPECT_EQ(RunToolProgram(world.run, world.Plan()), ExitCodeOf(StopKind::CadNotAnswering));
    // Stopped at the topmost step: only the topmost state needed putting back.
    EXPECT_EQ(After(world.fake.desktop.JobCalls(), "SetWindowPos(0x100,-1,3)"),
              (Calls{"PumpMessages", "SetWindowPos(0x100,-2,67)", "ReleaseRunLock",
                     "MessageBox(pinmark)"}));
    EXPECT_EQ(world.fake.messages.shown.at(0).text,
              CadNotRespondingMessage(u"ウィンドウを最前面にする"));
}

// The hidden main window is created by discovery; when it cannot be, the
// run stops as every other stop does: one message, from the entry sequence,
// after the lock is given back, and an exit code.
TEST(RunToolJob, MainWindowThatCannotBeCreatedIsReportedOnceWhereEveryStopIs) {
    JobWorld world;
    world.fake.files.files[u"C:\\Tools\\delay.dat"] = "5";
    world.fake.mainWindow.createError = 1400;
    EXPECT_EQ(RunToolProgram(world.run, world.Plan()), ExitCodeOf(StopKind::Unexpected));
    ASSERT_EQ(world.fake.messages.shown.size(), 1u);
    EXPECT_EQ(world.fake.messages.shown[0].text, WindowNotCreatedMessage(u"VadoRariri", 1400));
    EXPECT_EQ(world.fake.messages.shown[0].caption, u"pinmark");
    EXPECT_EQ(After(world.fake.desktop.JobCalls(), "GetClipCursor"),
              (Calls{"ReleaseRunLock", "MessageBox(pinmark)"}));
}

// The settings are read through the ANSI code page: in a folder whose name
// it cannot write, every setting would take its default and the user would
// be told that no CAD runs. The run says which character is the problem.
TEST(RunToolProgram, AProgramFolderTheCodePageCannotWriteIsNamedWithItsCharacter) {
    for (const Text& character : {Text(u"鷗"), Text(u"\U0002000B")}) {
        FakeToolServices fake;
        const Text folder = u"C:\\Users\\森" + character + u"外\\Tools";
        ToolRun run{fake.Services(), u"pinmark", folder};
        EXPECT_EQ(RunToolProgram(run, test::JobWorld::Plan()), ExitCodeOf(StopKind::Settings));
        EXPECT_EQ(fake.desktop.calls, Calls{"MessageBox(pinmark)"}); // the job never started
        EXPECT_TRUE(fake.files.reads.empty());                       // not even delay.dat
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        const Text& message = fake.messages.shown[0].text;
        EXPECT_EQ(message, ProgramFolderUnusableMessage(folder, character));
        EXPECT_NE(message.find(u"「" + character + u"」"), Text::npos);
        EXPECT_NE(message.find(folder), Text::npos);
    }
}

TEST(RunToolJob, StopsWithoutTouchingTheDesktopWhenTheTargetIsNotUsable) {
    struct Case {
        const char* name;
        std::function<void(JobWorld&)> arrange;
        Text message;
    };
    const ReportPlace report{u"C:\\Tools\\cadwindows.txt"};
    const Case cases[] = {
        {"no CAD running", [](JobWorld& w) { w.fake.desktop.processes.pop_back(); },
         NoCadFoundFirstRunMessage(u"acad", {}, {}, report)},
        {"name differs in case",
         [](JobWorld& w) { w.fake.desktop.processes.back().exeFile = "ACAD.EXE"; },
         NoCadFoundFirstRunMessage(u"acad", {u"ACAD.EXE"}, {{u"ACADName", u"ACAD"}}, report)},
        {"no main window",
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMain].title = u"Other"; },
         NoMainWindowFirstRunMessage(u"acad", u"CAD 2024", {u"CAD Text Window - a.dwg", u"Other"},
                                     {}, report)},
        {"no command area",
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kMainCommand].title = u"x";
             w.fake.desktop.windows[JobWorld::kTextCommand].title = u"x";
         },
         NoCommandAreaFirstRunMessage(u"Command Line", u"", {u"x"}, {}, report)},
        {"main window gone", [](JobWorld& w) { w.fake.desktop.failures["IsWindow(0x100)"] = -1; },
         CadWindowGoneMessage()},
        {"CAD not answering",
         [](JobWorld& w) { w.fake.desktop.failures["SendMessageTimeoutA"] = -1; },
         CadNotRespondingMessage(u"応答の確認")},
        {"another tool running",
         [](JobWorld& w) { w.fake.desktop.runLock = RunLockResult::TimedOut; },
         AnotherToolRunningMessage()},
        {"run lock not made",
         [](JobWorld& w) { w.fake.desktop.runLock = RunLockResult::Unavailable; },
         UnexpectedStopMessage(kRunLockUnavailable)},
    };
    for (const Case& c : cases) {
        JobWorld world;
        c.arrange(world);
        const Status status = RunToolJob(world.run, world.Plan());
        ASSERT_FALSE(status.ok()) << c.name;
        EXPECT_EQ(status.failure().message, c.message) << c.name;
        for (const char* touch :
             {"SetForegroundWindow", "OpenIcon", "SetWindowPos", "SetCursorPos", "ClipCursor",
              "MouseInput", "OpenClipboard", "SendInput", "WriteFile(go.lsp)"}) {
            EXPECT_EQ(world.fake.desktop.Count(touch), 0u) << c.name << ": " << touch;
        }
    }
}

TEST(RunToolJob, BusyClipboardIsBoundedAndReported) {
    JobWorld world;
    world.fake.desktop.failures["OpenClipboard"] = -1;
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message, ClipboardBusyMessage());
    EXPECT_EQ(world.fake.desktop.Count("WriteFile(go.lsp)"), 0u);
    EXPECT_EQ(After(world.fake.desktop.JobCalls(), "SetWindowPos(0x100,-2,67)"),
              (Calls{"GetCursorPos", "ReleaseRunLock"}));
}

// A step that throws while the clipboard is open still closes it: another
// program could not use the clipboard until the tool's process ended.
TEST(RunToolJob, ClipboardIsClosedWhenItsStepThrows) {
    for (const std::string step : {"EmptyClipboard", "SetClipboardText"}) {
        JobWorld world;
        world.fake.desktop.afterCall = [&](const std::string& call) {
            if (call.rfind(step, 0) == 0 && world.fake.desktop.Count(step) == 1) {
                throw std::bad_alloc();
            }
        };
        const Status status = RunToolJob(world.run, world.Plan());
        ASSERT_FALSE(status.ok()) << step;
        EXPECT_EQ(status.failure().kind, StopKind::Unexpected) << step;
        EXPECT_FALSE(world.fake.desktop.clipboardOpen) << step;
        EXPECT_EQ(world.fake.desktop.Count("CloseClipboard"),
                  world.fake.desktop.Count("OpenClipboard"))
            << step;
    }
}

TEST(RunToolJob, BusyClipboardNamesTheWindowThatHoldsIt) {
    JobWorld world;
    world.fake.desktop.failures["OpenClipboard"] = -1;
    world.fake.desktop.clipboardHolder = 0x500;
    world.fake.desktop.windows[0x500] = {u"Clip Keeper"};
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message, ClipboardBusyMessage(u"Clip Keeper"));
    EXPECT_NE(status.failure().message.find(u"「Clip Keeper」"), Text::npos);
}

TEST(RunToolJob, LoadCommandIsTheFourteenCharacters) {
    EXPECT_EQ(LoadCommandFor(u"go"), u"\x1b(load \"go\")\r\n");
    EXPECT_EQ(LoadCommandFor(u"go").size(), 14u);
}

} // namespace
} // namespace vr

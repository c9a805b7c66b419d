// What a job leaves behind: the lock, the keys, the mouse button, the
// cursor and the z-order, whether it ends well or stops part-way.
#include "JobWorld.h"
#include "messages/ToolMessages.h"
#include "process/EntrySequence.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vr {
namespace {

using test::JobWorld;
using Calls = std::vector<std::string>;

std::ptrdiff_t IndexOf(const Calls& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) - calls.begin();
}

TEST(JobRestore, RunLockIsReleasedBeforeTheMessageShows) {
    struct Case {
        const char* name;
        const char* failing;
        StopKind kind;
    };
    // A stop before the desktop is touched, in the middle, and at the end.
    const Case cases[] = {
        {"no command area rectangle", "GetWindowRect", StopKind::CadLost},
        {"topmost refused", "SetWindowPos(-1)", StopKind::CadNotAnswering},
        {"topmost not cleared", "SetWindowPos(-2)", StopKind::CadNotAnswering},
    };
    for (const Case& c : cases) {
        JobWorld world;
        world.fake.files.files[u"C:\\Tools\\delay.dat"] = "5";
        world.fake.desktop.failures[c.failing] = -1;
        const ToolPlanOrFailure plan = world.Plan();
        EXPECT_EQ(RunToolProgram(world.run, plan), ExitCodeOf(c.kind)) << c.name;
        const Calls& calls = world.fake.desktop.calls;
        EXPECT_LT(IndexOf(calls, "ReleaseRunLock"), IndexOf(calls, "MessageBox(pinmark)"))
            << c.name;
        EXPECT_FALSE(world.fake.desktop.runLockHeld) << c.name;
    }
}

TEST(JobRestore, LockNotAcquiredIsNotReleased) {
    JobWorld world;
    world.fake.desktop.runLock = RunLockResult::TimedOut;
    ASSERT_FALSE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(world.fake.desktop.Count("ReleaseRunLock"), 0u);
}

TEST(JobRestore, UnreadableCommandAreaStopsBeforeTheCursorIsTouched) {
    JobWorld world;
    world.fake.desktop.failures["GetWindowRect"] = -1;
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message, CommandAreaUnreadableMessage(u"Command Line"));
    for (const char* touch : {"SetWindowPos", "SetCursorPos", "ClipCursor", "MouseInput",
                              "OpenClipboard", "SendInput", "WriteFile(go.lsp)"}) {
        EXPECT_EQ(world.fake.desktop.Count(touch), 0u) << touch;
    }
    EXPECT_EQ(world.fake.desktop.clip, test::RecordingDesktop::kWholeScreen);
}

TEST(JobRestore, UnreadableCursorStateIsReleasedNotPinned) {
    JobWorld world;
    world.fake.desktop.cursorRead = false;
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    const Calls calls = world.fake.desktop.JobCalls();
    // The confinement is released instead of set to an empty rectangle, and
    // the cursor is not moved to a point that was never read.
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ClipCursor(release)"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ClipCursor(0,0,0,0)"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetCursorPos(0,0)"), 0);
    EXPECT_EQ(world.fake.desktop.clip, test::RecordingDesktop::kWholeScreen);
}

TEST(JobRestore, DesktopIsLeftAsFoundAfterEveryStop) {
    // A refused release outlasts its step's bound but not the put-back's
    // retry: about 500 attempts fit in the step's 3 s of the fake clock.
    constexpr int kOutlastsTheStep = 550;
    const std::pair<const char*, int> failing[] = {
        {"SetForegroundWindow", -1},
        {"SetWindowPos(-1)", -1},
        {"SetCursorPos", -1},
        {"ClipCursor", -1},
        {"MouseInput(2)", -1},
        {"MouseInput(4)", kOutlastsTheStep},
        {"OpenClipboard", -1},
        {"SetClipboardText", -1},
        {"SendInput(17/1)", -1},
        {"SendInput(86/1)", -1},
        {"SendInput(86/3)", kOutlastsTheStep},
        {"SendInput(17/3)", kOutlastsTheStep},
        {"SetWindowPos(-2)", -1},
    };
    // The user had confined the cursor: that rectangle, not the whole
    // screen, is what a stopped run puts back.
    constexpr ScreenRect kUserClip{100, 100, 1180, 924};
    for (const auto& [call, times] : failing) {
        JobWorld world;
        world.fake.desktop.clip = kUserClip;
        world.fake.desktop.failures[call] = times;
        const Status status = RunToolJob(world.run, world.Plan());
        EXPECT_FALSE(status.ok()) << call;
        const test::RecordingDesktop& desktop = world.fake.desktop;
        EXPECT_TRUE(desktop.keysDown.empty()) << call << ": a key is still down";
        EXPECT_FALSE(desktop.leftButtonDown) << call << ": the button is still down";
        EXPECT_FALSE(desktop.clipboardOpen) << call << ": the clipboard is still open";
        EXPECT_FALSE(desktop.runLockHeld) << call << ": the lock is still held";
        if (std::string(call) != "SetWindowPos(-2)") {
            EXPECT_TRUE(desktop.topmost.empty()) << call << ": the CAD stays topmost";
        }
        if (std::string(call) != "ClipCursor") {
            EXPECT_EQ(desktop.clip, kUserClip) << call;
        }
        if (std::string(call) != "SetCursorPos") {
            EXPECT_EQ(desktop.cursor, (ScreenPoint{10, 20})) << call;
        }
    }
}

TEST(JobRestore, ClickIsTwoMouseRecordsWithoutAMove) {
    JobWorld world;
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(world.fake.desktop.Count("MouseInput(2)"), 1u);
    EXPECT_EQ(world.fake.desktop.Count("MouseInput(4)"), 1u);
    EXPECT_FALSE(world.fake.desktop.leftButtonDown);
    EXPECT_TRUE(world.fake.desktop.keysDown.empty());
}

} // namespace
} // namespace vr

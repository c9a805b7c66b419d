// The click is checked before it is made and the keys before they are
// pressed: a point that does not show the command line, or a click that did
// not give it the focus, stops the run with nothing clicked or typed.
#include "job/ClickTarget.h"
#include "JobWorld.h"
#include "messages/ToolMessages.h"
#include "text/AnsiText.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <functional>

namespace vr {
namespace {

using test::JobWorld;
using test::RecordingDesktop;

constexpr Hwnd kPalette = 0x150;        // a floating palette of the CAD
constexpr Hwnd kDrawing = 0x120;        // the CAD's drawing area
constexpr Hwnd kMeetingBar = 0x800;     // another program's window
constexpr ScreenPoint kClick{405, 565}; // the centre of the command area

struct TargetWorld : JobWorld {
    TargetWorld() {
        auto& d = fake.desktop;
        d.windows[kMain].children.push_back(kDrawing);
        d.windows[kDrawing] = {u"", {}, {0, 0, 800, 500}};
        d.windows[kDrawing].className = "AcDrawingView";
        d.processes.push_back({7, "meetbar.exe"});
        d.threads.push_back({70, 7});
    }
    void AddPalette() {
        auto& d = fake.desktop;
        d.threadWindows[40].push_back(kPalette);
        d.windows[kPalette] = {u"プロパティ", {}, {300, 400, 600, 700}};
        d.windows[kPalette].owner = kMain;
    }
    void AddMeetingBar() {
        auto& d = fake.desktop;
        d.threadWindows[70] = {kMeetingBar};
        d.windows[kMeetingBar] = {u"会議のツールバー", {}, {380, 540, 900, 600}};
        d.aboveAll = {kMeetingBar};
    }
};

// The desktop as the run found it, and nothing typed.
void ExpectDesktopBack(const RecordingDesktop& d, const char* name) {
    EXPECT_EQ(d.Count("SendInput"), 0u) << name;
    EXPECT_TRUE(d.keysDown.empty()) << name;
    EXPECT_FALSE(d.leftButtonDown) << name;
    EXPECT_EQ(d.cursor, (ScreenPoint{10, 20})) << name;
    EXPECT_EQ(d.clip, RecordingDesktop::kWholeScreen) << name;
    EXPECT_TRUE(d.topmost.empty()) << name;
    EXPECT_FALSE(d.runLockHeld) << name;
}

TEST(ClickTarget, APointThatDoesNotShowTheCommandLineIsNeverClicked) {
    struct Case {
        const char* name;
        std::function<void(TargetWorld&)> arrange;
        Text message;
        // The last check made, and whether the cursor was moved by then.
        std::string lastCheck;
        bool cursorMoved;
    };
    const Case cases[] = {
        {"a dialog of the CAD open",
         [](TargetWorld& w) { w.fake.desktop.windows[JobWorld::kMain].enabled = false; },
         CadDialogOpenMessage(), "IsWindowEnabled(0x100)", false},
        {"the command line hidden",
         [](TargetWorld& w) { w.fake.desktop.windows[JobWorld::kMainCommand].visible = false; },
         CommandLineHiddenMessage(), "IsWindowVisible(0x110)", false},
        {"the command line of no height",
         [](TargetWorld& w) {
             w.fake.desktop.windows[JobWorld::kMainCommand].rect = {100, 500, 711, 500};
         },
         CommandLineHiddenMessage(), "IsWindowVisible(0x110)", false},
        {"the centre of the command line off the screen",
         [](TargetWorld& w) {
             w.fake.desktop.monitors = {{0, 0, 400, 1024}};
         },
         CommandLineOffScreenMessage(), "MonitorFromPoint(405,565)", false},
        {"the centre on no monitor of two",
         [](TargetWorld& w) {
             w.fake.desktop.monitors = {{-1280, 0, 0, 1024}, {0, 0, 1280, 500}};
         },
         CommandLineOffScreenMessage(), "MonitorFromPoint(405,565)", false},
        {"covered by a palette of the CAD", [](TargetWorld& w) { w.AddPalette(); },
         CommandLineCoveredMessage(u"プロパティ", u"acad.exe"), "WindowFromPoint(405,565)", true},
        {"covered by a button of another program's window, named by its window",
         [](TargetWorld& w) {
             w.AddMeetingBar();
             auto& d = w.fake.desktop;
             d.windows[kMeetingBar].children = {0x801};
             d.windows[0x801] = {u"ミュート", {}, {400, 550, 450, 590}};
         },
         CommandLineCoveredMessage(u"会議のツールバー", u"meetbar.exe"), "WindowFromPoint(405,565)",
         true},
        {"covered by another program's window above the topmost CAD",
         [](TargetWorld& w) { w.AddMeetingBar(); },
         CommandLineCoveredMessage(u"会議のツールバー", u"meetbar.exe"), "WindowFromPoint(405,565)",
         true},
    };
    for (const Case& c : cases) {
        TargetWorld world;
        c.arrange(world);
        const Status status = RunToolJob(world.run, world.Plan());
        ASSERT_FALSE(status.ok()) << c.name;
        EXPECT_EQ(status.failure().kind, StopKind::CommandLineUnreachable) << c.name;
        EXPECT_EQ(status.failure().message, c.message) << c.name;
        const RecordingDesktop& d = world.fake.desktop;
        EXPECT_EQ(d.Count("MouseInput"), 0u) << c.name;
        EXPECT_EQ(d.Count("WriteFile(go.lsp)"), 0u) << c.name;
        EXPECT_EQ(d.Count("OpenClipboard"), 0u) << c.name; // the user's clipboard kept
        EXPECT_EQ(d.Count("SetCursorPos(405,565)") > 0, c.cursorMoved) << c.name;
        ExpectDesktopBack(d, c.name);
        // The check stops the run: what follows its last attempt (the rest
        // of the check, whether the window found lies in the command area)
        // only puts the desktop back. The window at the point is asked again
        // for a bounded while, since the raise may not have reached the
        // z-order yet.
        const auto calls = d.JobCalls();
        const auto last = std::find(calls.rbegin(), calls.rend(), c.lastCheck);
        ASSERT_NE(last, calls.rend()) << c.name;
        EXPECT_LE(d.Count(c.lastCheck), kRaiseWait.boundMs / kRaiseWait.pauseMs + 2) << c.name;
        for (auto call = last.base(); call != calls.end(); ++call) {
            EXPECT_TRUE(call->rfind("ClipCursor", 0) == 0 || call->rfind("SetCursorPos", 0) == 0 ||
                        call->rfind("SetWindowPos", 0) == 0 || call->rfind("IsWindow(", 0) == 0 ||
                        call->rfind("IsChild(0x110,", 0) == 0 || *call == "GetCursorPos" ||
                        *call == "ReleaseRunLock")
                << c.name << ": " << *call;
        }
    }
}

TEST(ClickTarget, AClickThatLeavesTheFocusElsewherePressesNoKey) {
    struct Case {
        const char* name;
        Hwnd focus;
        Text message;
    };
    const Case cases[] = {
        {"the drawing keeps the focus", kDrawing,
         CommandLineFocusNotTakenMessage(u"AcDrawingView", u"")},
        {"the main window has it", JobWorld::kMain,
         CommandLineFocusNotTakenMessage(u"Window", u"CAD 2024 - [a.dwg]")},
        {"no window has it", 0, CommandLineFocusNotTakenMessage(u"", u"")},
    };
    for (const Case& c : cases) {
        TargetWorld world;
        RecordingDesktop& d = world.fake.desktop;
        d.clicksTakeFocus = false;
        d.threadFocus[40] = c.focus;
        const Status status = RunToolJob(world.run, world.Plan());
        ASSERT_FALSE(status.ok()) << c.name;
        EXPECT_EQ(status.failure().kind, StopKind::CommandLineUnreachable) << c.name;
        EXPECT_EQ(status.failure().message, c.message) << c.name;
        // A click, a second one onto the same point, then nothing.
        EXPECT_EQ(d.Count("MouseInput"), 4u) << c.name;
        EXPECT_EQ(d.Count("SendInput("), 0u) << c.name;
        ExpectDesktopBack(d, c.name);
        // Waited for a short while after each click, not for ever.
        EXPECT_GE(d.Count("GetGUIThreadInfo(40)"), 20u) << c.name;
        EXPECT_LE(d.Count("GetGUIThreadInfo(40)"),
                  2 * (kFocusWait.boundMs / kFocusWait.pauseMs + 2))
            << c.name;
    }
}

// The CAD handled its activation, which focuses its drawing, after the
// click: the second click gives the command line the keys, and the paste
// goes through.
TEST(ClickTarget, AClickUndoneByTheCadsActivationIsMadeOnceMore) {
    TargetWorld world;
    RecordingDesktop& d = world.fake.desktop;
    d.threadFocus[40] = kDrawing;
    d.clicksUndone = 1;
    const Status status = RunToolJob(world.run, world.Plan());
    EXPECT_TRUE(status.ok()) << (!status.ok() ? Utf8FromText(status.failure().message)
                                              : std::string());
    EXPECT_EQ(d.Count("MouseInput"), 4u);
    EXPECT_EQ(d.Count("SendInput("), 4u); // Ctrl, V, V up, Ctrl up
}

TEST(ClickTarget, TheFocusMayComeLateOrLieInsideTheCommandLine) {
    struct Case {
        const char* name;
        int readsBeforeFocus;
        Hwnd focus;
        std::vector<std::string> checks;
    };
    const Case cases[] = {
        {"after two reads",
         3,
         JobWorld::kMainInput,
         {"EnumChildWindows(0x110)", "GetGUIThreadInfo(40)", "IsChild(0x110,0x120)", "Sleep(10)",
          "GetGUIThreadInfo(40)", "IsChild(0x110,0x120)", "Sleep(10)", "GetGUIThreadInfo(40)",
          "IsChild(0x110,0x111)"}},
        {"in the input box inside the command area",
         0,
         JobWorld::kMainInput,
         {"EnumChildWindows(0x110)", "GetGUIThreadInfo(40)", "IsChild(0x110,0x111)"}},
    };
    for (const Case& c : cases) {
        TargetWorld world;
        RecordingDesktop& d = world.fake.desktop;
        d.clicksTakeFocus = false;
        d.threadFocus[40] = kDrawing;
        d.afterCall = [&d, &c, reads = 0](const std::string& call) mutable {
            if (call == "MouseInput(4)" && c.readsBeforeFocus == 0) {
                d.threadFocus[40] = c.focus;
            }
            if (call == "GetGUIThreadInfo(40)" && ++reads == c.readsBeforeFocus) {
                d.threadFocus[40] = c.focus;
            }
        };
        EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok()) << c.name;
        EXPECT_EQ(d.Count("SendInput"), 4u) << c.name;
        // The reads sit between the last check of the front and Ctrl down.
        auto calls = d.calls;
        std::erase_if(
            calls, [](const std::string& call) { return call.rfind("GetWindowThreadId", 0) == 0; });
        const auto last = std::find(calls.rbegin(), calls.rend(), "GetForegroundWindow");
        const auto ctrl = std::find(calls.begin(), calls.end(), "MapVirtualKeyA(17,0)");
        ASSERT_NE(last, calls.rend()) << c.name;
        // After the foreground read come the process of the front window,
        // then the focus checks.
        std::vector<std::string> between(last.base(), ctrl);
        std::erase_if(between, [](const std::string& call) {
            return call.rfind("GetWindowProcessId", 0) == 0;
        });
        EXPECT_EQ(between, c.checks) << c.name;
    }
}

// A floating command line that its activation gave the focus, while the
// click did not reach its input box, takes the keys nowhere: the command
// area itself holding the focus is taken after a second click only, unless
// it holds no window, when it is the input box.
TEST(ClickTarget, TheCommandAreaItselfIsTakenAtOnceOnlyWhereItHoldsNoWindow) {
    for (const bool holdsInput : {true, false}) {
        TargetWorld world;
        RecordingDesktop& d = world.fake.desktop;
        d.clicksTakeFocus = false;
        d.threadFocus[40] = kDrawing;
        if (!holdsInput) {
            d.windows[JobWorld::kMainCommand].children.clear();
        }
        d.afterCall = [&d](const std::string& call) {
            if (call == "MouseInput(4)") {
                d.threadFocus[40] = JobWorld::kMainCommand;
            }
        };
        EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok()) << holdsInput;
        EXPECT_EQ(d.Count("MouseInput(2)"), holdsInput ? 2u : 1u) << holdsInput;
        EXPECT_EQ(d.Count("SendInput"), 4u) << holdsInput;
    }
}

} // namespace
} // namespace vr

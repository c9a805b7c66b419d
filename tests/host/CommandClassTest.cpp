// The command line found by its class where it has no title: a floating
// palette owned by the main window, or a window deep in a docked panel.
#include "JobWorld.h"
#include "TestText.h"
#include "job/ClickTarget.h"
#include "messages/FirstRunMessages.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::JobWorld;

constexpr Hwnd kFloating = 0x400, kFloatingInput = 0x401;
constexpr Hwnd kDock = 0x120, kDockInner = 0x121, kDocked = 0x122, kDockedInput = 0x123;
constexpr ScreenRect kFloatingRect{80, 670, 880, 740};
constexpr ScreenRect kDockedRect{0, 540, 800, 600};

// The modern shapes: the main window's command area and the text window's
// carry no caption, the command line is a window of class AcEdCommandLine.
enum class Shape { Floating, Docked };

void Arrange(JobWorld& world, Shape shape, const Text& floatingTitle = u"") {
    auto& d = world.fake.desktop;
    d.windows[JobWorld::kMain].children.clear();
    d.windows[JobWorld::kTextCommand].title = u"";
    if (shape == Shape::Floating) {
        d.threadWindows[40] = {JobWorld::kText, kFloating, JobWorld::kMain};
        d.windows[kFloating] = {floatingTitle, {kFloatingInput}, kFloatingRect};
        d.windows[kFloating].className = "AcEdCommandLine";
        d.windows[kFloating].owner = JobWorld::kMain;
        d.windows[kFloatingInput] = {u"", {}, {}, 1001, "Command:"};
        d.windows[kFloatingInput].className = "Edit";
    } else {
        d.windows[JobWorld::kMain].children = {kDock};
        d.windows[kDock] = {u"", {kDockInner}, {0, 500, 800, 600}};
        d.windows[kDockInner] = {u"", {kDocked}, {0, 520, 800, 600}};
        d.windows[kDocked] = {u"", {kDockedInput}, kDockedRect};
        d.windows[kDocked].className = "AcEdCommandLine";
        d.windows[kDockedInput] = {u"", {}, {}, 1001, "Command:"};
        d.windows[kDockedInput].className = "Edit";
    }
}

void SetCommandClass(JobWorld& world, const std::string& value) {
    world.fake.profiles.Set("C:\\Tools\\ZuDuv.ini", "Main", "CommandClass", value);
}

std::string Centre(const ScreenRect& r) {
    const ScreenPoint p = ClickPoint(r);
    return "SetCursorPos(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

TEST(CommandClass, FoundCommandLineIsClickedPastedIntoAndTheDesktopPutBack) {
    struct Case {
        const char* name;
        Shape shape;
        Text floatingTitle;
        Hwnd commandLine;
        ScreenRect rect;
    };
    const Case cases[] = {
        {"floating, untitled", Shape::Floating, u"", kFloating, kFloatingRect},
        {"floating, titled", Shape::Floating, u"コマンド", kFloating, kFloatingRect},
        {"docked two levels deep", Shape::Docked, u"", kDocked, kDockedRect},
    };
    for (const Case& c : cases) {
        JobWorld world;
        Arrange(world, c.shape, c.floatingTitle);
        SetCommandClass(world, "AcEdCommandLine");
        EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok()) << c.name;
        auto& d = world.fake.desktop;
        EXPECT_EQ(world.run.discovery.LastCommandWindow, c.commandLine) << c.name;
        EXPECT_EQ(world.run.discovery.InstanceTable.back().MainCommandWindow, c.commandLine)
            << c.name;
        EXPECT_EQ(d.Count("GetWindowRect(" + test::RecordingDesktop::Handle(c.commandLine) + ")"),
                  1u)
            << c.name;
        EXPECT_EQ(d.Count("ClipCursor(" + test::RecordingDesktop::Rect(c.rect) + ")"), 1u)
            << c.name;
        EXPECT_EQ(d.Count(Centre(c.rect)), 3u) << c.name;
        EXPECT_EQ(d.Count("SendInput(1,86,47,1,0,0)"), 1u) << c.name;
        // The desktop as it was.
        EXPECT_EQ(d.cursor, (ScreenPoint{10, 20})) << c.name;
        EXPECT_EQ(d.clip, test::RecordingDesktop::kWholeScreen) << c.name;
        EXPECT_TRUE(d.topmost.empty()) << c.name;
        EXPECT_TRUE(d.keysDown.empty()) << c.name;
        // Get reads the command line found by its class.
        EXPECT_EQ(world.fake.mainWindow.txtGet, u"Command:") << c.name;
    }
}

TEST(CommandClass, WithoutTheKeyTheRunStopsAndProposesTheClass) {
    for (const Shape shape : {Shape::Floating, Shape::Docked}) {
        JobWorld world;
        Arrange(world, shape);
        const Status status = RunToolJob(world.run, world.Plan());
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.failure().message,
                  NoCommandAreaFirstRunMessage(u"Command Line", u"",
                                               {u"（タイトルなし、クラス AcEdCommandLine）"},
                                               {{u"CommandClass", u"AcEdCommandLine"}},
                                               ReportPlace{u"C:\\Tools\\cadwindows.txt"}));
        EXPECT_EQ(world.fake.desktop.Count("SetCursorPos"), 0u);
        // Without the key, no class is asked for during discovery.
        EXPECT_EQ(world.fake.desktop.Count("GetClassNameA"),
                  world.fake.desktop.Count("GetWindowOwner") +
                      world.fake.desktop.Count("GetDlgCtrlID"))
            << "class names read by the report only";
    }
}

TEST(CommandClass, AClassThatIsNotThereStopsWithTheMessage) {
    JobWorld world;
    Arrange(world, Shape::Floating);
    SetCommandClass(world, "acedcommandline"); // compared exactly
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message,
              NoCommandAreaFirstRunMessage(u"Command Line", u"acedcommandline",
                                           {u"（タイトルなし、クラス AcEdCommandLine）"},
                                           {{u"CommandClass", u"AcEdCommandLine"}},
                                           ReportPlace{u"C:\\Tools\\cadwindows.txt"}));
    EXPECT_EQ(world.fake.desktop.Count("SetCursorPos"), 0u);
}

TEST(CommandClass, SearchedOnlyWhenTheCaptionSearchFoundNothing) {
    // The titled command area is there, and so is a window of the class: the
    // caption search decides, the class is never read.
    JobWorld world;
    auto& d = world.fake.desktop;
    d.threadWindows[40] = {JobWorld::kText, kFloating, JobWorld::kMain};
    d.windows[kFloating] = {u"", {}, kFloatingRect};
    d.windows[kFloating].className = "AcEdCommandLine";
    d.windows[kFloating].owner = JobWorld::kMain;
    SetCommandClass(world, "AcEdCommandLine");
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(world.run.discovery.LastCommandWindow, JobWorld::kMainCommand);
    EXPECT_EQ(d.Count("GetClassNameA"), 0u);
    EXPECT_EQ(d.Count("SetCursorPos(405,565)"), 3u);
}

TEST(CommandClass, DockedIsFoundBeforeFloatingAndTheMainWindowIsNotItsOwnCandidate) {
    JobWorld world;
    Arrange(world, Shape::Docked);
    auto& d = world.fake.desktop;
    d.windows[JobWorld::kMain].className = "AcEdCommandLine";
    d.threadWindows[40] = {JobWorld::kText, kFloating, JobWorld::kMain};
    d.windows[kFloating] = {u"", {}, kFloatingRect};
    d.windows[kFloating].className = "AcEdCommandLine";
    SetCommandClass(world, "AcEdCommandLine");
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(world.run.discovery.LastCommandWindow, kDocked);
}

TEST(CommandClass, WithoutTheKeyEverythingIsAsBefore) {
    JobWorld without;
    JobWorld withEmpty;
    SetCommandClass(withEmpty, "");
    EXPECT_TRUE(RunToolJob(without.run, without.Plan()).ok());
    EXPECT_TRUE(RunToolJob(withEmpty.run, withEmpty.Plan()).ok());
    EXPECT_EQ(without.fake.desktop.calls, withEmpty.fake.desktop.calls);
    EXPECT_EQ(without.fake.desktop.Count("GetClassNameA"), 0u);
}

} // namespace
} // namespace vr

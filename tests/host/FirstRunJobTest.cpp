// A first run that does not fit the CAD: what the job stops with, the report
// it leaves, and that it touched nothing on the desktop before stopping.
#include "JobWorld.h"
#include "TestText.h"
#include "diagnosis/CadWindowReport.h"
#include "messages/FirstRunMessages.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

#include <functional>

namespace vr {
namespace {

using test::JobWorld;

const ReportPlace kReport{u"C:\\Tools\\cadwindows.txt"};

// No call that changes the desktop, raises a window or runs the tool step.
void ExpectDesktopUntouched(const test::RecordingDesktop& desktop, const char* name) {
    for (const char* touch :
         {"SetForegroundWindow", "OpenIcon", "SetWindowPos", "SetCursorPos", "ClipCursor",
          "MouseInput", "OpenClipboard", "SendInput", "WriteFile(go.lsp)"}) {
        EXPECT_EQ(desktop.Count(touch), 0u) << name << ": " << touch;
    }
}

Text ReportText(const JobWorld& world) {
    const auto found = world.fake.files.files.find(Text(kReport.path));
    return found == world.fake.files.files.end() ? Text() : DecodeAnsi(found->second);
}

TEST(FirstRunJob, EachStopNamesWhatWasSeenAndWritesTheReport) {
    struct Case {
        const char* name;
        std::function<void(JobWorld&)> arrange;
        Text message;
        Text reportHolds; // a line of the report
    };
    const Case cases[] = {
        {"ACADName in the wrong case",
         [](JobWorld& w) { w.fake.desktop.processes.back().exeFile = "C:\\CAD\\Acad.exe"; },
         NoCadFoundFirstRunMessage(u"acad", {u"C:\\CAD\\Acad.exe"}, {{u"ACADName", u"Acad"}},
                                   kReport),
         u"プロセス C:\\CAD\\Acad.exe（ID 4）  ← ACADName の提案元\r\n"},
        {"another known CAD running",
         [](JobWorld& w) { w.fake.desktop.processes.back().exeFile = "gcad.exe"; },
         NoCadFoundFirstRunMessage(u"acad", {u"gcad.exe"}, {{u"ACADName", u"gcad"}}, kReport),
         u"\r\n[Main]\r\nACADName=gcad\r\n"},
        {"another known CAD whose titles differ too: every line in one message",
         [](JobWorld& w) {
             auto& d = w.fake.desktop;
             d.processes.back().exeFile = "gcad.exe";
             d.windows[JobWorld::kMain].title = u"IJCAD 2024 - [a.dwg]";
             d.windows[JobWorld::kMainCommand].title = u"Cmd Line";
             d.windows[JobWorld::kMainInput].className = "Edit";
             d.windows[JobWorld::kText].title = u"IJCAD Text Window - a.dwg";
             d.windows[JobWorld::kTextCommand].title = u"Cmd Line";
             d.windows[JobWorld::kTextHistory].className = "Edit";
         },
         NoCadFoundFirstRunMessage(u"acad", {u"gcad.exe"},
                                   {{u"ACADName", u"gcad"},
                                    {u"MainCaption", u"IJCAD 2024"},
                                    {u"CommandCaption", u"Cmd Line"}},
                                   kReport),
         u"  0x00000110 クラス「Window」 タイトル「Cmd Line」 ID 0 位置 (100,500)-(711,631) 表示"
         u"  ← CommandCaption の提案元\r\n"},
        {"no CAD at all", [](JobWorld& w) { w.fake.desktop.processes.pop_back(); },
         NoCadFoundFirstRunMessage(u"acad", {}, {}, kReport),
         u"CADと思われるプロセスは実行されていません。\r\n"},
        {"a longer product prefix in the main title",
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kMain].title = u"Autodesk CAD 2024 - [a.dwg]";
         },
         NoMainWindowFirstRunMessage(u"acad", u"CAD 2024",
                                     {u"CAD Text Window - a.dwg", u"Autodesk CAD 2024 - [a.dwg]"},
                                     {{u"MainCaption", u"Autodesk CAD 2024"}}, kReport),
         u"MainCaption=Autodesk CAD 2024\r\n"},
        {"a longer product prefix and a command line of another name, beside an IME window",
         [](JobWorld& w) {
             auto& d = w.fake.desktop;
             d.windows[JobWorld::kMain].title = u"Autodesk CAD 2024 - [a.dwg]";
             d.windows[JobWorld::kMainCommand].title = u"Command";
             d.windows[JobWorld::kMainInput].className = "Edit";
             d.windows[0x500] = {u"Default IME", {}, {}};
             d.windows[0x500].className = "IME";
             d.threadWindows[40].push_back(0x500);
         },
         NoMainWindowFirstRunMessage(
             u"acad", u"CAD 2024", {u"CAD Text Window - a.dwg", u"Autodesk CAD 2024 - [a.dwg]"},
             {{u"MainCaption", u"Autodesk CAD 2024"}, {u"CommandCaption", u"Command"}}, kReport),
         u"タイトル「Autodesk CAD 2024 - [a.dwg]」 オーナーなし 位置 (0,0)-(800,600) 表示"
         u"  ← MainCaption の提案元\r\n"},
        {"no window with a title",
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kMain].title = u"";
             w.fake.desktop.windows[JobWorld::kText].title = u"";
         },
         NoMainWindowFirstRunMessage(u"acad", u"CAD 2024", {}, {}, kReport),
         u"（提案できる行はありません）\r\n"},
        {"a titled command area of another name",
         [](JobWorld& w) {
             auto& d = w.fake.desktop;
             d.windows[JobWorld::kMainCommand].title = u"Command";
             d.windows[JobWorld::kMainInput].className = "Edit";
             d.windows[JobWorld::kTextCommand].title = u"";
             // The prompt beside the input box is a label, no candidate.
             d.windows[JobWorld::kMainCommand].children = {0x112, JobWorld::kMainInput};
             d.windows[0x112] = {u"Command:", {}, {}};
             d.windows[0x112].className = "Static";
         },
         NoCommandAreaFirstRunMessage(u"Command Line", u"", {u"Command"},
                                      {{u"CommandCaption", u"Command"}}, kReport),
         u"CommandCaption=Command\r\n"},
        // The settings file is in the ANSI code page: a title with a
        // character it has no form for is quoted as it is, but no line that
        // could not be written there is proposed.
        {"a product name the settings file cannot hold",
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kMain].title = u"CAD\u00e9 2024 - [a.dwg]";
         },
         NoMainWindowFirstRunMessage(u"acad", u"CAD 2024",
                                     {u"CAD Text Window - a.dwg", u"CAD\u00e9 2024 - [a.dwg]"}, {},
                                     kReport),
         u"（提案できる行はありません）\r\n"},
        {"a command area title the settings file cannot hold",
         [](JobWorld& w) {
             auto& d = w.fake.desktop;
             d.windows[JobWorld::kMainCommand].title = u"Command\U00020B9F";
             d.windows[JobWorld::kMainInput].className = "Edit";
             d.windows[JobWorld::kTextCommand].title = u"";
         },
         NoCommandAreaFirstRunMessage(u"Command Line", u"", {u"Command\U00020B9F"}, {}, kReport),
         u"（提案できる行はありません）\r\n"},
    };
    for (const Case& c : cases) {
        JobWorld world;
        c.arrange(world);
        const Status status = RunToolJob(world.run, world.Plan());
        ASSERT_FALSE(status.ok()) << c.name;
        EXPECT_EQ(status.failure().message, c.message) << c.name;
        EXPECT_NE(ReportText(world).find(c.reportHolds), Text::npos)
            << c.name << "\n"
            << Utf8FromText(ReportText(world));
        ExpectDesktopUntouched(world.fake.desktop, c.name);
    }
}

TEST(FirstRunJob, ReportIsReplacedByEachFailedRun) {
    JobWorld world;
    world.fake.files.files[Text(kReport.path)] = "old report";
    world.fake.desktop.processes.pop_back();
    ASSERT_FALSE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(std::count(world.fake.files.writes.begin(), world.fake.files.writes.end(),
                         Text(kReport.path)),
              1);
    EXPECT_EQ(ReportText(world).find(u"old report"), Text::npos);
}

TEST(FirstRunJob, ReportThatCannotBeWrittenIsSaid) {
    JobWorld world;
    world.fake.files.failWrites = true;
    world.fake.desktop.processes.pop_back();
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message,
              NoCadFoundFirstRunMessage(u"acad", {}, {}, ReportPlace{kReport.path, false}));
}

TEST(FirstRunJob, SuccessfulRunWritesNoReport) {
    JobWorld world;
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(world.fake.files.writes, std::vector<Text>{u"C:\\Tools\\go.lsp"}); // the script only
}

// The driven CAD (the last one found) has no command area; the search in
// the first CAD left LastCommandWindow on that CAD's command area.
TEST(FirstRunJob, CommandAreaOfAnotherCadIsNoCommandArea) {
    JobWorld world;
    world.AddSecondCad();
    world.fake.desktop.windows[0x310].title = u"x";
    const Status status = RunToolJob(world.run, world.Plan());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(world.run.discovery.LastCommandWindow, JobWorld::kMainCommand);
    EXPECT_EQ(status.failure().message,
              NoCommandAreaFirstRunMessage(u"Command Line", u"", {u"x"}, {}, kReport));
    ExpectDesktopUntouched(world.fake.desktop, "other CAD's command area");
}

TEST(FirstRunJob, CommandAreaCarriedOverInTheSameCadIsStillUsed) {
    // The text window's command area, found before the main window's search
    // found nothing, is the same CAD's: the described carry-over stands.
    // Shown beside the main window, as the text window stays above it, its
    // command area is clicked and pasted into.
    JobWorld world;
    auto& d = world.fake.desktop;
    d.windows[JobWorld::kMainCommand].title = u"x";
    d.windows[JobWorld::kText].owner = JobWorld::kMain;
    d.windows[JobWorld::kText].rect = {900, 100, 1300, 500};
    d.windows[JobWorld::kTextCommand].rect = {910, 120, 1290, 490};
    EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok());
    EXPECT_EQ(d.Count("GetWindowRect(0x210)"), 1u);
    EXPECT_EQ(d.Count("WindowFromPoint(1100,305)"), 1u);
    EXPECT_EQ(d.Count("SendInput"), 4u);
}

TEST(FirstRunJob, ElevatedCadStopsBeforeTheDesktopIsTouched) {
    struct Case {
        const char* name;
        std::optional<std::uint32_t> cad;
        std::optional<std::uint32_t> own;
        bool stops;
    };
    const Case cases[] = {
        {"CAD higher (administrator)", 0x3000, 0x2000, true},
        {"CAD at system level", 0x4000, 0x3000, true},
        {"equal", 0x2000, 0x2000, false},
        {"both elevated", 0x3000, 0x3000, false},
        {"CAD lower", 0x1000, 0x2000, false},
        {"CAD's level unreadable", std::nullopt, 0x2000, false},
        {"own level unreadable", 0x3000, std::nullopt, false},
    };
    for (const Case& c : cases) {
        JobWorld world;
        world.fake.desktop.integrity[4] = c.cad;
        world.fake.desktop.ownIntegrity = c.own;
        const Status status = RunToolJob(world.run, world.Plan());
        EXPECT_EQ(!status.ok(), c.stops) << c.name;
        if (c.stops) {
            ASSERT_FALSE(status.ok()) << c.name;
            EXPECT_EQ(status.failure().message, ElevatedCadMessage(u"acad")) << c.name;
            ExpectDesktopUntouched(world.fake.desktop, c.name);
            EXPECT_TRUE(world.fake.files.writes.empty()) << c.name;
        } else {
            EXPECT_EQ(world.fake.desktop.Count("WriteFile(go.lsp)"), 1u) << c.name;
        }
        EXPECT_EQ(world.fake.desktop.Count("ProcessIntegrityLevel(4)"), 1u) << c.name;
    }
}

// Per-monitor aware, the tool reads and sets physical pixels on every
// monitor: the command rectangle reaches ClipCursor as read and the click
// point is its exact centre, wherever the monitor lies and whatever its
// scale. Nothing converts between the calls.
TEST(FirstRunJob, CoordinatesPassThroughUnconvertedOnEveryMonitor) {
    struct Case {
        const char* monitor;
        ScreenRect rect;
        ScreenPoint click;
    };
    const Case cases[] = {
        {"primary at 100 %", {100, 500, 711, 631}, {405, 565}},
        {"right of a 4K primary at 150 %", {3940, 1900, 5860, 2060}, {4900, 1980}},
        {"left of the primary", {-1920, 800, -2, 1000}, {-961, 900}},
        {"above the primary", {200, -1300, 1001, -1141}, {600, -1221}},
    };
    for (const Case& c : cases) {
        JobWorld world;
        // A 4K primary, a monitor right of it, one left and one above.
        world.fake.desktop.monitors = {
            {0, 0, 3840, 2160}, {3840, 0, 7680, 2160}, {-1920, 0, 0, 1080}, {0, -1440, 2560, 0}};
        world.fake.desktop.windows[JobWorld::kMain].rect = c.rect;
        world.fake.desktop.windows[JobWorld::kMainCommand].rect = c.rect;
        EXPECT_TRUE(RunToolJob(world.run, world.Plan()).ok()) << c.monitor;
        const std::string point =
            "SetCursorPos(" + std::to_string(c.click.x) + "," + std::to_string(c.click.y) + ")";
        EXPECT_EQ(world.fake.desktop.Count(point), 3u) << c.monitor;
        EXPECT_EQ(
            world.fake.desktop.Count("ClipCursor(" + test::RecordingDesktop::Rect(c.rect) + ")"),
            1u)
            << c.monitor;
        EXPECT_EQ(world.fake.desktop.Count("SetCursorPos"), 4u) << c.monitor; // and back
    }
}

} // namespace
} // namespace vr

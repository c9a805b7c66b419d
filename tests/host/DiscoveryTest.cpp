#include "JobWorld.h"
#include "TestText.h"
#include "discovery/DiscoverCadInstances.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::JobWorld;

struct Discovered {
    std::vector<std::pair<Text, std::uint32_t>> entries;
    int selected;
};

Discovered Discover(JobWorld& world) {
    EXPECT_TRUE(LoadSettingsStep(world.run).ok());
    world.Discover();
    return {world.fake.mainWindow.Entries(), world.fake.mainWindow.list.SelectedIndex()};
}

TEST(Discovery, OneCadIsListedAndSelectedAfterTheLoadStepsOwnSearch) {
    JobWorld world;
    const Discovered found = Discover(world);
    ASSERT_EQ(found.entries.size(), 1u);
    EXPECT_EQ(found.entries[0].first, u"a.dwg");
    // The load step's search filled row 1; this search's row is row 2.
    EXPECT_EQ(found.entries[0].second, 2u);
    EXPECT_EQ(found.selected, 0);
    const auto& table = world.run.discovery.InstanceTable;
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[2].MainWindow, JobWorld::kMain);
    EXPECT_EQ(table[2].MainCommandWindow, JobWorld::kMainCommand);
    EXPECT_EQ(table[2].TextWindow, JobWorld::kText);
    EXPECT_EQ(table[2].TextCommandWindow, JobWorld::kTextCommand);
    EXPECT_EQ(world.run.discovery.LastCommandWindow, JobWorld::kMainCommand);
    // The load step read the command line into txtGet.
    EXPECT_EQ(world.fake.mainWindow.txtGet, u"Command: LINE");

    // A later search (the window exists now) starts again at row 1.
    world.Discover();
    EXPECT_EQ(world.fake.mainWindow.Entries().at(0).second, 1u);
    EXPECT_EQ(world.run.discovery.InstanceTable.size(), 2u);
}

TEST(Discovery, TwoCadsAreListedInSnapshotOrderAndTheLastSelected) {
    JobWorld world;
    world.AddSecondCad();
    const Discovered found = Discover(world);
    ASSERT_EQ(found.entries.size(), 2u);
    EXPECT_EQ(found.entries[0], (std::pair<Text, std::uint32_t>{u"a.dwg", 3}));
    EXPECT_EQ(found.entries[1], (std::pair<Text, std::uint32_t>{u"C:\\work\\b.dwg", 4}));
    EXPECT_EQ(found.selected, 1);
    EXPECT_EQ(world.run.discovery.InstanceTable[4].MainWindow, 0x300u);
    EXPECT_EQ(world.run.discovery.LastCommandWindow, 0x310u);
}

TEST(Discovery, OneThreadSnapshotServesEveryCadOfADiscovery) {
    for (const int cads : {0, 1, 2}) {
        JobWorld world;
        if (cads == 0) {
            world.fake.desktop.processes.pop_back();
        } else if (cads == 2) {
            world.AddSecondCad();
        }
        (void)Discover(world);
        const std::size_t discoveries = world.fake.desktop.Count("ProcessSnapshot");
        EXPECT_EQ(discoveries, 2u) << cads; // the load step's and the job's own
        EXPECT_EQ(world.fake.desktop.Count("ThreadSnapshot"), cads == 0 ? 0u : discoveries) << cads;
    }
}

TEST(Discovery, NothingIsSelectedWithoutAMatchingProcess) {
    const std::pair<const char*, std::string> cases[] = {
        {"case differs", "ACAD.EXE"},
        {"other program", "notepad.exe"},
        {"name is a prefix", "acad2.exe"},
    };
    for (const auto& [name, exe] : cases) {
        JobWorld world;
        world.fake.desktop.processes.back().exeFile = exe;
        const Discovered found = Discover(world);
        EXPECT_TRUE(found.entries.empty()) << name;
        EXPECT_EQ(found.selected, -1) << name;
        EXPECT_EQ(world.fake.mainWindow.txtGet, u"txtGet") << name;
    }
}

TEST(Discovery, WindowRulesFollowTheTitles) {
    struct Case {
        const char* name;
        std::function<void(JobWorld&)> arrange;
        Text document;
        Hwnd mainWindow, mainCommand, textWindow;
    };
    auto& kMain = JobWorld::kMain;
    const Case cases[] = {
        {"both prefixes: main only",
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kText].title = u"CAD 2024 Text - x";
             w.fake.profiles.Set("C:\\Tools\\ZuDuv.ini", "Main", "TextCaption", "CAD 2024");
         },
         u"a.dwg", kMain, JobWorld::kMainCommand, 0},
        {"two main windows: the later wins",
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kText].title = u"CAD 2024 - [first.dwg]";
         },
         u"a.dwg", kMain, JobWorld::kMainCommand, 0},
        {"main without command area keeps the earlier one",
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMainCommand].title = u"Other"; },
         u"a.dwg", kMain, JobWorld::kTextCommand, JobWorld::kText},
        {"empty main caption takes every titled window",
         [](JobWorld& w) {
             w.fake.profiles.Set("C:\\Tools\\ZuDuv.ini", "Main", "MainCaption", "");
         },
         u"a.dwg", kMain, JobWorld::kMainCommand, 0},
        {"dash among the last four characters",
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMain].title = u"CAD 2024 -[a]"; }, u"",
         kMain, JobWorld::kMainCommand, JobWorld::kText},
        {"no dash loses two characters and the last",
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMain].title = u"CAD 2024 [a.dwg]"; },
         u"D 2024 [a.dwg", kMain, JobWorld::kMainCommand, JobWorld::kText},
        {"empty command caption takes the first untitled descendant",
         [](JobWorld& w) {
             w.fake.profiles.Set("C:\\Tools\\ZuDuv.ini", "Main", "CommandCaption", "");
         },
         u"a.dwg", kMain, JobWorld::kMainInput, JobWorld::kText},
        {"untitled windows are passed over",
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMain].title = u""; }, u"", 0, 0,
         JobWorld::kText},
    };
    for (const Case& c : cases) {
        JobWorld world;
        c.arrange(world);
        Discover(world);
        const CadInstance& row = world.run.discovery.InstanceTable.back();
        EXPECT_EQ(row.DocumentName, c.document) << c.name;
        EXPECT_EQ(row.MainWindow, c.mainWindow) << c.name;
        EXPECT_EQ(row.MainCommandWindow, c.mainCommand) << c.name;
        EXPECT_EQ(row.TextWindow, c.textWindow) << c.name;
    }
}

TEST(Discovery, DocumentNameFromTitle) {
    const std::pair<Text, Text> cases[] = {
        {u"CAD 2020 - [Drawing1.dwg]", u"Drawing1.dwg"},
        {u"CAD 2020 - [C:\\図面\\表.dwg]", u"C:\\図面\\表.dwg"},
        {u"AB-x]", u""},
        {u"A-", u""},
        {u"", u""},
        {u"NoDashTitle", u"DashTitl"},
        {u"X - [a-b.dwg]", u"a-b.dwg"},
        // A character outside the Basic Multilingual Plane counts as one.
        {u"NoDash\U0001F600", u"Dash"},
        {u"X-[\U0001F600a]", u"a"},
        {u"X - [\U00020B9F.dwg\U0001F600", u"\U00020B9F.dwg"},
        {u"X-\U0001F600\U0001F600", u""},
    };
    for (const auto& [title, name] : cases) {
        EXPECT_EQ(DocumentNameFromTitle(title), name) << Utf8FromText(title);
    }
}

// A title comes back whole and as the system keeps it: Japanese, characters
// code page 932 has no form for (one outside the Basic Multilingual Plane
// among them), and none at all.
TEST(Discovery, WindowCaptionIsTheWholeTitleInOneRead) {
    const Text titles[] = {
        u"表ソ - [図.dwg]",
        u"CAD 2024 - [caf\u00e9 \U00020B9F.dwg]",
        Text(600, u'長'),
        u"",
    };
    for (const Text& title : titles) {
        test::RecordingDesktop desktop;
        desktop.windows[1] = {title, {}, {}};
        EXPECT_EQ(GetWindowCaption(desktop, 1), title) << Utf8FromText(title);
        EXPECT_EQ(desktop.calls, std::vector<std::string>{"GetWindowTitle(0x1)"});
    }
}

// Each window's title is read once per visit: one call, not a length and a
// text read.
TEST(Discovery, EachTitleIsReadOnceWhereTheWindowIsExamined) {
    JobWorld world;
    (void)Discover(world);
    world.fake.desktop.calls.clear();
    world.Discover();
    std::vector<std::string> reads;
    for (const std::string& call : world.fake.desktop.calls) {
        if (call.starts_with("Enum") || call.starts_with("GetWindowTitle")) {
            reads.push_back(call);
        }
    }
    const std::vector<std::string> expected = {
        "EnumThreadWindows(40)", "GetWindowTitle(0x200)", "EnumChildWindows(0x200)",
        "GetWindowTitle(0x210)", "GetWindowTitle(0x100)", "EnumChildWindows(0x100)",
        "GetWindowTitle(0x110)",
    };
    EXPECT_EQ(reads, expected);
}

// A title with a character code page 932 has no form for keeps it: the
// drawing name is listed as the CAD shows it, and a caption from the
// settings (code page 932, so it never holds such a character) matches
// only what it says.
TEST(Discovery, TitlesOutsideTheCodePageKeepTheirCharacters) {
    JobWorld world;
    world.fake.desktop.windows[JobWorld::kMain].title = u"CAD 2024 - [caf\u00e9.dwg]";
    world.fake.desktop.windows[JobWorld::kText].title = u"CAD Text\u00e9 - x";
    world.fake.profiles.Set("C:\\Tools\\ZuDuv.ini", "Main", "TextCaption", "CAD Text?");
    const Discovered found = Discover(world);
    ASSERT_EQ(found.entries.size(), 1u);
    EXPECT_EQ(found.entries[0].first, u"caf\u00e9.dwg");
    EXPECT_EQ(world.run.discovery.InstanceTable.back().TextWindow, 0u);
}

} // namespace
} // namespace vr

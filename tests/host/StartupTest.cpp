#include "FakeServices.h"
#include "JobWorld.h"
#include "TestText.h"
#include "discovery/BaseNameOf.h"
#include "messages/ToolMessages.h"
#include "process/EntrySequence.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "timing/DelayFactor.h"
#include "timing/DelayWait.h"
#include "winsupport/core/ModulePath.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::FakeToolServices;

TEST(DelayFactor, ConvertsTheFirstLine) {
    const std::pair<Text, std::optional<std::int16_t>> cases[] = {
        {u"10", 10},
        {u" 7 ", 7},
        {u"2.5", 2},
        {u"3.5", 4},
        {u"25", 25},
        {u"1", 1},
        {u"100", 100},
        {u"１０", 10},
        {u"", std::nullopt},
        {u"abc", std::nullopt},
        {u"5 標準", std::nullopt},
        {u"5;comment", std::nullopt},
        {u"40000", std::nullopt},
        // Convert, but break the run: 0 empties the clipboard before the
        // CAD can paste, large factors keep the cursor confined for
        // minutes, negative ones would pause forever.
        {u"0", std::nullopt},
        {u"-0.4", std::nullopt},
        {u"0.5", std::nullopt},
        {u"1.5", 2},
        {u"101", std::nullopt},
        {u"2730", std::nullopt},
        {u"-1", std::nullopt},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(ParseDelayFactor(line), expected) << testing::PrintToString(line);
    }
}

TEST(DelayFactor, ReadsOnlyTheFirstLineOfTheFileBesideTheProgram) {
    const std::pair<std::optional<Bytes>, std::optional<std::int16_t>> cases[] = {
        {Bytes("3\r\nanything"), 3},
        {Bytes("3\ranything"), 3},
        {Bytes("12\r\n"), 12},
        {Bytes("\r\n10"), std::nullopt},
        // Japanese notes below the number, as the shipped file has them.
        {Bytes("5\r\n\x90\x94\x82\xcc\x82\xa0\x82\xc6\x82\xc9\x95\xb6\x8e\x9a\r\n"), 5},
        {Bytes(""), std::nullopt},
        {Bytes("\x82\x50\x82\x4f"), 10}, // "１０" in code page 932
        {std::nullopt, std::nullopt},    // no file
    };
    for (const auto& [content, expected] : cases) {
        FakeToolServices fake;
        if (content) {
            fake.files.files[u"C:\\Tools\\delay.dat"] = *content;
        }
        EXPECT_EQ(ReadDelayFactor(fake.files, u"C:\\Tools"), expected);
    }
}

TEST(DelayFactor, IsNamedWithADoubledBackslashAtADriveRoot) {
    FakeToolServices fake;
    fake.files.files[u"T:\\\\delay.dat"] = "9";
    EXPECT_EQ(ReadDelayFactor(fake.files, u"T:\\"), 9);
    EXPECT_EQ(fake.files.reads, std::vector<Text>{u"T:\\\\delay.dat"});
}

TEST(DelayWait, SleepsFactorTimesUnits) {
    struct Case {
        std::int16_t factor;
        int units;
        std::uint32_t slept;
    };
    const Case cases[] = {
        {10, kShortWait, 70},
        {10, kLongWait, 120},
        {5, kShortWait, 35},
        {5, kLongWait, 60},
        {20, kShortWait, 140},
        {20, kLongWait, 240},
        {1, kShortWait, 7},
        {100, kLongWait, 1200},
        // Factors the entry sequence never sets are kept inside its range:
        // no endless pause, no clipboard emptied before the paste.
        {0, kLongWait, 12},
        {2731, kLongWait, 1200},
        {-1, kShortWait, 7},
        {-4682, kShortWait, 7},
    };
    for (const Case& c : cases) {
        FakeToolServices fake;
        DelayWait(fake.desktop, c.factor, c.units);
        EXPECT_EQ(fake.desktop.sleeps, std::vector<std::uint32_t>{c.slept})
            << c.factor << " x " << c.units;
    }
}

TEST(BaseNameOf, DropsFolderAndExtension) {
    const std::pair<Text, Text> cases[] = {
        {u"C:\\CAD\\acad.exe", u"acad"},
        {u"acad.exe", u"acad"},
        {u"D:tool.main.exe", u"tool"},
        {u"README", u"README"},
        {u"\\\\server\\share\\x.exe", u"x"},
        {u"C:\\CAD\\Acad.EXE", u"Acad"},
        {u"C:\\表\\ソフト.exe", u"ソフト"},
        {u"C:\\dir.d\\noext", u"noext"},
        {u"C:\\CAD\\", u""},
        {u"", u""},
        {u".hidden", u""},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(BaseNameOf(path), expected) << testing::PrintToString(path);
    }
}

TEST(ProgramFolder, KeepsTheBackslashOnlyAtADriveRoot) {
    const std::pair<Text, Text> cases[] = {
        {u"C:\\Tools\\pinmark.exe", u"C:\\Tools"},
        {u"T:\\pinmark.exe", u"T:\\"},
        {u"C:\\表\\pinmark.exe", u"C:\\表"},
        {u"\\\\server\\share\\pinmark.exe", u"\\\\server\\share"},
    };
    for (const auto& [modulePath, folder] : cases) {
        EXPECT_EQ(FolderOfModulePath(modulePath), folder);
    }
    EXPECT_EQ(SettingsFolderOf(u"C:\\Tools"), u"C:\\Tools\\");
    EXPECT_EQ(SettingsFolderOf(u"T:\\"), u"T:\\");
    // 表 ends in byte 0x5C in code page 932, but it is a character, not a backslash.
    EXPECT_EQ(SettingsFolderOf(u"C:\\表"), u"C:\\表\\");
    EXPECT_EQ(ToolFilePath(u"T:\\", u"delay.dat"), u"T:\\\\delay.dat");
    EXPECT_EQ(ToolFilePath(u"C:\\Tools", u"delay.dat"), u"C:\\Tools\\delay.dat");
}

struct EntryCase {
    const char* name;
    std::optional<Bytes> delayFile;
    std::int16_t factor;
    bool message;
    friend void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.name; }
};

class EntrySequence : public testing::TestWithParam<EntryCase> {};

TEST_P(EntrySequence, ShowsTheDelayMessageOnceThenRunsTheJob) {
    const EntryCase& c = GetParam();
    test::JobWorld world;
    FakeToolServices& fake = world.fake;
    fake.files.files.erase(u"C:\\Tools\\delay.dat");
    if (c.delayFile) {
        fake.files.files[u"C:\\Tools\\delay.dat"] = *c.delayFile;
    }
    world.run.delayFactor = 0;
    // What the run had when the job made its first call.
    std::optional<std::pair<std::size_t, std::int16_t>> atJobStart;
    fake.desktop.afterCall = [&](const std::string& call) {
        if (!atJobStart && call.rfind("MessageBox", 0) != 0) {
            atJobStart = {fake.messages.shown.size(), world.run.delayFactor};
        }
    };
    EXPECT_EQ(RunToolProgram(world.run, test::JobWorld::Plan()), 0);
    ASSERT_TRUE(atJobStart);
    EXPECT_EQ(atJobStart->second, c.factor);
    EXPECT_EQ(fake.desktop.Count("SendInput(1,86,47,1,0,0)"), 1u); // the job ran once
    if (c.message) {
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.shown[0].caption, u"pinmark");
        EXPECT_EQ(fake.messages.shown[0].text, kDelayFileMessage);
        EXPECT_EQ(atJobStart->first, 1u);
    } else {
        EXPECT_TRUE(fake.messages.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(DelayFiles, EntrySequence,
                         testing::Values(EntryCase{"ten", Bytes("10"), 10, false},
                                         EntryCase{"missing", std::nullopt, 5, true},
                                         EntryCase{"empty", Bytes(""), 5, true},
                                         EntryCase{"text", Bytes("abc"), 5, true},
                                         EntryCase{"tooLarge", Bytes("40000"), 5, true},
                                         EntryCase{"negative", Bytes("-1"), 5, true},
                                         EntryCase{"twoLines", Bytes("3\r\nabc\r\n"), 3, false}),
                         [](const testing::TestParamInfo<EntryCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(EntrySequenceFailure, ReportsAFailedJobOnceUnderTheToolsName) {
    test::JobWorld world;
    FakeToolServices& fake = world.fake;
    fake.files.files[u"C:\\Tools\\delay.dat"] = "5";
    world.run.toolName = u"labelpen";
    fake.files.files.erase(u"C:\\Tools\\ZuDuv.ini"); // the job stops at its first step
    EXPECT_EQ(RunToolProgram(world.run, test::JobWorld::Plan()), ExitCodeOf(StopKind::Settings));
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].caption, u"labelpen");
    EXPECT_EQ(fake.messages.shown[0].text, SettingsFileMissingMessage(u"C:\\Tools\\ZuDuv.ini"));
    EXPECT_EQ(fake.desktop.Count("MessageBox(labelpen)"), 1u);
}

TEST(RuntimeMessages, DelayFileTextIsExactInCodePage932) {
    // The text users have always seen, byte for byte as the platform shows it:
    // full-width digits, a full-width tilde (81 60), an ideographic space (81 40).
    EXPECT_EQ(
        EncodeAnsi(kDelayFileMessage),
        "delay.dat\x83t\x83@\x83"
        "C\x83\x8b\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81"
        "B\x83"
        "f\x83"
        "B\x83\x8c\x83"
        "C\x82\xb7\x82\xe9\x92l\x82P\x81`\x82Q\x82O\x82\xf0\x83Z\x83"
        "b\x83g\x82\xb5\x82\xc4\x81@delay.dat\x82\xc6\x82\xa2\x82\xa4\x83t\x83@\x83"
        "C\x83\x8b\x82\xf0\x8d\xec\x90\xac\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81"
        "B");
}

} // namespace
} // namespace vr

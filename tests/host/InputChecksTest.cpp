#include "DimensionRequest.h"
#include "JobWorld.h"
#include "PointLineScript.h"
#include "files/ToolFiles.h"
#include "messages/ToolMessages.h"
#include "process/EntrySequence.h"
#include "text/LispNumber.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vr {
namespace {

TEST(IsLispNumber, AcceptsWhatTheAutoLispReaderReadsAsOneNumber) {
    const std::pair<Text, bool> cases[] = {
        {u"0", true},        {u"12", true},       {u"-3", true},     {u"+4", true},
        {u"1.5", true},      {u"5.", true},       {u"-0.25", true},  {u"1e3", true},
        {u"1.5E-3", true},   {u"2e+10", true},    {u"  7 ", true},   {u"\t7\t", true},
        {u"", false},        {u" ", false},       {u"-", false},     {u"+", false},
        {u".5", false},      {u"-.5", false},     {u"1.2.3", false}, {u"1e", false},
        {u"1e+", false},     {u"e3", false},      {u"1 2", false},   {u"--1", false},
        {u"1)", false},      {u"(princ)", false}, {u"1\"", false},   {u"１", false},
        {u"1\n2", false},    {u"1\r", false},     {u"0x10", false},  {u"1,5", false},
        {u"inf", false},     {u"nan", false},     {u"1;x", false},   {u"1'", false},
        {u"1\u3000", false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(IsLispNumber(text), expected) << testing::PrintToString(text);
    }
}

TEST(InputChecks, AWriteFailureSaysWhy) {
    test::FakeToolServices fake;
    fake.files.failWrites = true;
    const Status status = WriteToolOutputFile(fake.files, u"C:\\T", ToolOutputFile{u"go.lsp", "x"});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message,
              u"go.lsp を書き込めませんでした（ディスクに空き領域が不足して"
              u"います。）。\nC:\\T\\go.lsp");
    EXPECT_EQ(OutputFileUnwritableMessage(u"go.lsp", u"C:\\T\\go.lsp"),
              u"go.lsp を書き込めませんでした。\nC:\\T\\go.lsp");
}

// pinmark's whole program over the fake: the input is read and checked
// before the desktop is touched, and written only at the tool step.
struct PinmarkProgram {
    test::JobWorld world;
    ToolJobPlan plan{.loadCommand = LoadCommandFor(u"go")};

    int Run(const Bytes& senten) {
        world.fake.files.files[u"C:\\Tools\\delay.dat"] = "5";
        world.fake.files.files[u"C:\\Tools\\senten.txt"] = senten;
        world.fake.files.files[u"C:\\Tools\\go.lsp"] = "old";
        world.fake.desktop.clipboard = "user's text";
        return RunToolProgram(world.run, plan, pinmark::BuildPointLineScript);
    }
};

TEST(InputChecks, BadInputStopsBeforeTheDesktopAndTheClipboardAreTouched) {
    for (const Bytes& senten :
         {Bytes("node\r\n(princ \"INJECTED\")"), Bytes("\xEF\xBB\xBFnode\r\n1,2"),
          Bytes(2 << 20, '1'), Bytes("node\r\n1,2\n3,4")}) {
        PinmarkProgram program;
        EXPECT_EQ(program.Run(senten), ExitCodeOf(StopKind::Input));
        EXPECT_EQ(program.world.fake.desktop.calls,
                  (std::vector<std::string>{"MessageBox(pinmark)"}));
        EXPECT_EQ(program.world.fake.desktop.clipboard, "user's text");
        EXPECT_EQ(program.world.fake.files.files.at(u"C:\\Tools\\go.lsp"), "old");
    }
}

TEST(InputChecks, GoodInputIsWrittenAfterTheClickAndBeforeThePaste) {
    PinmarkProgram program;
    EXPECT_EQ(program.Run("node\r\n1,2\r\n"), 0);
    EXPECT_EQ(program.world.fake.files.files.at(u"C:\\Tools\\go.lsp"),
              pinmark::PointLineScript({u"node", {u"1,2"}}));
    const auto& writes = program.world.fake.files.writes;
    EXPECT_EQ(std::count(writes.begin(), writes.end(), u"C:\\Tools\\go.lsp"), 1);
}

TEST(InputChecks, GaugereadRefusesCharactersTheCodePageCannotWrite) {
    const std::pair<Text, std::optional<Text>> cases[] = {
        {u"gaugeread.exe +1 3 4 C:\\表\\見積.xlsx", std::nullopt},
        {u"gaugeread.exe +1 3 4 C:\\鷗外\\a.xlsx", u"C:\\鷗外\\a.xlsx"},
        {u"gaugeread.exe x\u00e9 3 4 C:\\a.xlsx", u"x\u00e9"},
        {u"gaugeread.exe +1 3 4 \"C:\\\U0001F600.xlsx\"", u"C:\\\U0001F600.xlsx"},
    };
    for (const auto& [commandLine, refused] : cases) {
        const ToolPlanOrFailure plan = gaugeread::GaugereadPlan(commandLine);
        if (!refused) {
            EXPECT_TRUE(std::holds_alternative<ToolJobPlan>(plan));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Failure>(plan)) << testing::PrintToString(commandLine);
        EXPECT_EQ(std::get<Failure>(plan).message, RequestNotWritableMessage(*refused));
        EXPECT_NE(std::get<Failure>(plan).message.find(u"Shift-JIS で書けない文字"), Text::npos);
    }
}

} // namespace
} // namespace vr

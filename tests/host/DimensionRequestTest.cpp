#include "DimensionRequest.h"
#include "FakeServices.h"
#include "TestText.h"
#include "messages/ToolMessages.h"

#include <gtest/gtest.h>

namespace vr::gaugeread {
namespace {

TEST(DimensionRequest, WorkedExampleByteForByte) {
    const auto request = SplitRequest(u"+1 12 5 C:\\data\\book1.xlsm");
    ASSERT_TRUE(request);
    EXPECT_EQ(RequestFile(*request), "(setq expr \"+1\")\r\n"
                                     "(setq row \"12\")\r\n"
                                     "(setq col \"5\")\r\n"
                                     "(setq excelfnam \"C:/data/book1.xlsm\")\r\n");
    EXPECT_EQ(RoutineFor(request->expression), u"qv");
}

TEST(DimensionRequest, RoutineChoice) {
    const std::pair<Text, Text> cases[] = {
        {u"+1", u"qv"},  {u"-3", u"qv"},     {u"3", u"qvpos"},   {u"=3", u"qvpos"},
        {u"", u"qvpos"}, {u"＋1", u"qvpos"}, {u" -1", u"qvpos"},
    };
    for (const auto& [expression, routine] : cases) {
        EXPECT_EQ(RoutineFor(expression), routine) << Utf8FromText(expression);
    }
}

TEST(DimensionRequest, FieldsSplitAtSingleSpaces) {
    struct Case {
        Text arguments;
        std::optional<Request> request;
    };
    const Case cases[] = {
        {u"+1 12 5 C:\\a.xlsm", Request{u"+1", u"12", u"5", u"C:\\a.xlsm"}},
        {u"+1  12 5 C:\\a.xlsm", Request{u"+1", u"", u"12", u"5"}},
        {u" 3 1 1 x.xlsm", Request{u"", u"3", u"1", u"1"}},
        {u"1 2 3 a.xlsm extra more", Request{u"1", u"2", u"3", u"a.xlsm"}},
        {u"1 2 3 C:\\My Books\\a.xlsm", Request{u"1", u"2", u"3", u"C:\\My"}},
        {u"1 2 3 \"C:\\My Books\\a.xlsm\"", Request{u"1", u"2", u"3", u"C:\\My Books\\a.xlsm"}},
        {u"1 2 3 \"C:\\open quote", Request{u"1", u"2", u"3", u"C:\\open quote"}},
        {u"1 2 3 ", Request{u"1", u"2", u"3", u""}},
        {u"\"1 2\" 3 4 b", Request{u"\"1", u"2\"", u"3", u"4"}}, // quotes mean nothing here
        {u"1 2 3", std::nullopt},
        {u"1 2", std::nullopt},
        {u"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitRequest(c.arguments), c.request) << Utf8FromText(c.arguments);
    }
}

TEST(DimensionRequest, PathsAndValuesInTheFile) {
    const std::pair<Request, Bytes> cases[] = {
        {{u"5", u"1", u"2", u"\\\\server\\share\\b.xlsm"},
         "(setq excelfnam \"//server/share/b.xlsm\")\r\n"},
        // 表 keeps its second byte 0x5C; a real backslash after it becomes "/".
        {{u"5", u"1", u"2", u"C:\\表\\b.xlsm"}, "(setq excelfnam \"C:/\x95\x5c/b.xlsm\")\r\n"},
        {{u"5", u"1", u"2", u"C:\\a\"b.xlsm"}, "(setq excelfnam \"C:/a\\\"b.xlsm\")\r\n"},
    };
    for (const auto& [request, lastLine] : cases) {
        const Bytes file = RequestFile(request);
        EXPECT_EQ(file.substr(file.find("(setq excelfnam")), lastLine);
    }
    // Values are strings, escaped like any text in a string literal.
    const Bytes file = RequestFile({u"a\"b\\c", u"12", u"5", u"x"});
    EXPECT_EQ(file.substr(0, file.find("(setq col")),
              "(setq expr \"a\\\"b\\\\c\")\r\n(setq row \"12\")\r\n");
}

TEST(DimensionRequest, ArgumentTextFollowsTheProgramName) {
    const std::pair<Text, Text> cases[] = {
        {u"\"C:\\T\\gaugeread.exe\" +1 12 5 x", u"+1 12 5 x"},
        {u"gaugeread.exe +1 12 5 x", u"+1 12 5 x"},
        {u"\"C:\\My Tools\\gaugeread.exe\"  3 1 1 x", u" 3 1 1 x"},
        {u"gaugeread.exe", u""},
        {u"\"C:\\T\\gaugeread.exe\"", u""},
    };
    for (const auto& [commandLine, arguments] : cases) {
        EXPECT_EQ(ArgumentText(commandLine), arguments) << Utf8FromText(commandLine);
    }
}

TEST(DimensionRequest, RunStopsBeforeDelayAndDesktopWithTooFewFields) {
    test::FakeToolServices fake;
    ToolRun run{fake.Services(), u"gaugeread", u"C:\\T"};
    fake.files.files[u"C:\\T\\excel_fname.lsp"] = "old";
    const int exitCode = RunToolProgram(run, GaugereadPlan(u"gaugeread.exe 1 2 3"));
    EXPECT_EQ(exitCode, ExitCodeOf(StopKind::Input));
    EXPECT_TRUE(fake.files.reads.empty()); // delay.dat not read
    EXPECT_EQ(fake.files.files.at(u"C:\\T\\excel_fname.lsp"), "old");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].caption, u"gaugeread");
    EXPECT_EQ(fake.messages.shown[0].text,
              u"gaugeread に渡された値が足りません。式・行・列・ブックのパスの4つを空白で区切って"
              u"指定してください。\n受け取った値: 「1 2 3」");
    EXPECT_EQ(fake.desktop.calls, (std::vector<std::string>{"MessageBox(gaugeread)"}));
}

TEST(DimensionRequest, PlanCarriesTheRequestAndTheRoutine) {
    struct Case {
        const char16_t* commandLine;
        Bytes requestFile;
        Text loadCommand;
    };
    const Case cases[] = {
        {u"g.exe -3 1 1 x.xlsm",
         "(setq expr \"-3\")\r\n(setq row \"1\")\r\n(setq col \"1\")\r\n"
         "(setq excelfnam \"x.xlsm\")\r\n",
         u"\x1b(load \"qv\")\r\n"},
        {u"g.exe A1 2 3 \"C:\\my book.xlsm\"",
         "(setq expr \"A1\")\r\n(setq row \"2\")\r\n(setq col \"3\")\r\n"
         "(setq excelfnam \"C:/my book.xlsm\")\r\n",
         u"\x1b(load \"qvpos\")\r\n"},
    };
    for (const Case& c : cases) {
        const ToolPlanOrFailure plan = GaugereadPlan(c.commandLine);
        ASSERT_TRUE(std::holds_alternative<ToolJobPlan>(plan)) << Utf8FromText(c.commandLine);
        const ToolJobPlan& job = std::get<ToolJobPlan>(plan);
        ASSERT_TRUE(job.request);
        EXPECT_EQ(job.request->fileName, u"excel_fname.lsp");
        EXPECT_EQ(job.request->content, c.requestFile);
        EXPECT_EQ(job.loadCommand, c.loadCommand);
        EXPECT_FALSE(job.script);
        EXPECT_FALSE(job.emptyClipboardAfterPaste); // the load command stays on the clipboard
    }
}

TEST(DimensionRequest, RequestIsWrittenBeforeTheDelayFileIsRead) {
    test::FakeToolServices fake;
    ToolRun run{fake.Services(), u"gaugeread", u"C:\\T"};
    fake.files.files[u"C:\\T\\delay.dat"] = "5";
    std::optional<std::vector<Text>> readsBeforeWrite;
    fake.files.beforeWrite = [&](TextView) {
        readsBeforeWrite = fake.files.reads;
    };
    // No settings file: the job stops at its first step, after delay.dat.
    EXPECT_EQ(RunToolProgram(run, GaugereadPlan(u"g.exe -3 1 1 x.xlsm")),
              ExitCodeOf(StopKind::Settings));
    ASSERT_TRUE(readsBeforeWrite);
    EXPECT_TRUE(readsBeforeWrite->empty());
    EXPECT_EQ(fake.files.writes, std::vector<Text>{u"C:\\T\\excel_fname.lsp"});
    EXPECT_EQ(fake.files.reads, std::vector<Text>{u"C:\\T\\delay.dat"});
    EXPECT_TRUE(fake.files.files.count(u"C:\\T\\excel_fname.lsp"));
}

// A second gaugeread started while the first is inside its job must not
// replace the request that the first one's routine is about to read: the
// request is written only under the run lock, which the job then keeps.
TEST(DimensionRequest, RequestIsWrittenUnderTheRunLockTheJobKeeps) {
    {
        test::FakeToolServices fake;
        ToolRun run{fake.Services(), u"gaugeread", u"C:\\T"};
        fake.files.files[u"C:\\T\\excel_fname.lsp"] = "the first run's request";
        fake.desktop.runLock = RunLockResult::TimedOut;
        EXPECT_EQ(RunToolProgram(run, GaugereadPlan(u"g.exe -3 1 1 x.xlsm")),
                  ExitCodeOf(StopKind::AnotherTool));
        EXPECT_EQ(fake.files.files.at(u"C:\\T\\excel_fname.lsp"), "the first run's request");
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.shown[0].text, AnotherToolRunningMessage());
    }
    {
        test::FakeToolServices fake;
        ToolRun run{fake.Services(), u"gaugeread", u"C:\\T"};
        std::vector<Text> writtenBeforeLock;
        fake.desktop.afterCall = [&](const std::string& call) {
            if (call.rfind("AcquireRunLock", 0) == 0) {
                writtenBeforeLock = fake.files.writes;
            }
        };
        // No CAD: the job stops after its settings, with the lock given back.
        fake.files.files[u"C:\\T\\ZuDuv.ini"] = "[Main]\r\n";
        EXPECT_EQ(RunToolProgram(run, GaugereadPlan(u"g.exe -3 1 1 x.xlsm")),
                  ExitCodeOf(StopKind::NoCad));
        EXPECT_EQ(fake.files.writes.front(), u"C:\\T\\excel_fname.lsp");
        EXPECT_TRUE(writtenBeforeLock.empty());
        EXPECT_EQ(fake.desktop.Count("AcquireRunLock"), 1u);
        EXPECT_EQ(fake.desktop.Count("ReleaseRunLock"), 1u);
        EXPECT_FALSE(fake.desktop.runLockHeld);
    }
}

} // namespace
} // namespace vr::gaugeread

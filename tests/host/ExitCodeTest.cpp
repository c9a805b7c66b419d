// The exit code a macro reads after a tool run: 0 when the load command was
// pasted, one published code for each kind of stop.
#include "DimensionRequest.h"
#include "JobWorld.h"
#include "PointLineScript.h"
#include "TextPlacementScript.h"
#include "process/EntrySequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <set>

namespace vr {
namespace {

using test::JobWorld;

// The table as the README, Quillon連携 and the sample workbook publish it.
// Macros in the field compare against these numbers: a kind keeps its code.
TEST(ExitCode, EachKindKeepsItsPublishedCode) {
    const std::pair<StopKind, int> published[] = {
        {StopKind::Unexpected, 1},
        {StopKind::Input, 2},
        {StopKind::Settings, 3},
        {StopKind::NoCad, 4},
        {StopKind::CadElevated, 5},
        {StopKind::CadNotAnswering, 6},
        {StopKind::CadLost, 7},
        {StopKind::AnotherTool, 8},
        {StopKind::ClipboardBusy, 9},
        {StopKind::OutputUnwritable, 10},
        {StopKind::CommandLineUnreachable, 11},
    };
    ASSERT_EQ(std::size(published), std::size(kAllStopKinds));
    for (std::size_t i = 0; i < std::size(published); ++i) {
        EXPECT_EQ(published[i].first, kAllStopKinds[i]) << i;
        EXPECT_EQ(ExitCodeOf(published[i].first), published[i].second) << i;
    }
}

TEST(ExitCode, CodesAreDistinctAndNeverLookLikeSuccessOrARunningProcess) {
    std::set<int> seen;
    for (const StopKind kind : kAllStopKinds) {
        const int code = ExitCodeOf(kind);
        EXPECT_NE(code, kPastedExitCode);
        EXPECT_NE(code, 259); // STILL_ACTIVE
        EXPECT_GT(code, 0);
        EXPECT_LT(code, 256); // fits a batch file's ERRORLEVEL test and a shell's $?
        EXPECT_TRUE(seen.insert(code).second) << code;
    }
}

// What a tool's wWinMain hands its entry sequence.
struct Program {
    ToolPlanOrFailure plan;
    ScriptReader readScript;
};

// One tool run over the recording fake, from the entry sequence on.
struct ProgramRun {
    JobWorld world;
    Program program;

    explicit ProgramRun(Program toolProgram) : program(std::move(toolProgram)) {
        world.fake.files.files[u"C:\\Tools\\delay.dat"] = "5";
        world.fake.files.files[u"C:\\Tools\\senten.txt"] = "node\r\n1,2\r\n";
        world.fake.files.files[u"C:\\Tools\\mojidata.txt"] = "2.5 0\r\nA1\r\n";
    }
    int Run() { return RunToolProgram(world.run, program.plan, program.readScript); }
};

Program Pinmark() {
    return {ToolJobPlan{.loadCommand = LoadCommandFor(u"go"), .emptyClipboardAfterPaste = true},
            pinmark::BuildPointLineScript};
}

Program Labelpen() {
    return {ToolJobPlan{.loadCommand = LoadCommandFor(u"go"), .emptyClipboardAfterPaste = true},
            labelpen::BuildTextPlacementScript};
}

Program Gaugeread(const char16_t* commandLine = u"g.exe +1 12 5 C:\\b.xlsm") {
    return {gaugeread::GaugereadPlan(commandLine), nullptr};
}

void SetIni(JobWorld& w, const char* key, const char* value) {
    w.fake.profiles.Set("C:\\Tools\\ZuDuv.ini", "Main", key, value);
}

TEST(ExitCode, EachStopEndsTheProcessWithTheCodeOfItsKind) {
    struct Case {
        const char* name;
        std::function<Program()> program;
        std::function<void(JobWorld&)> arrange;
        int code;
    };
    const auto nothing = [](JobWorld&) {
    };
    const auto gaugeread = [] {
        return Gaugeread();
    };
    const Case cases[] = {
        {"pinmark pasted", Pinmark, nothing, 0},
        {"labelpen pasted", Labelpen, nothing, 0},
        {"gaugeread pasted", gaugeread, nothing, 0},
        {"senten.txt missing", Pinmark,
         [](JobWorld& w) { w.fake.files.files.erase(u"C:\\Tools\\senten.txt"); }, 2},
        {"senten.txt value not a number", Pinmark,
         [](JobWorld& w) { w.fake.files.files[u"C:\\Tools\\senten.txt"] = "node\r\n1,x\r\n"; }, 2},
        {"senten.txt saved as UTF-8", Pinmark,
         [](JobWorld& w) {
             w.fake.files.files[u"C:\\Tools\\senten.txt"] = "\xEF\xBB\xBFnode\r\n1,2\r\n";
         },
         2},
        {"mojidata.txt without the space", Labelpen,
         [](JobWorld& w) { w.fake.files.files[u"C:\\Tools\\mojidata.txt"] = "2.5\r\nA\r\n"; }, 2},
        {"gaugeread with three values", [] { return Gaugeread(u"g.exe 1 2 3"); }, nothing, 2},
        {"gaugeread value Shift-JIS cannot write",
         [] { return Gaugeread(u"g.exe +1 12 5 鷗.xlsm"); }, nothing, 2},
        {"ZuDuv.ini missing", Pinmark,
         [](JobWorld& w) { w.fake.files.files.erase(u"C:\\Tools\\ZuDuv.ini"); }, 3},
        {"setting out of range", Pinmark,
         [](JobWorld& w) { SetIni(w, "MainCmdCtrlID", "99999999999"); }, 3},
        {"no CAD running", Pinmark, [](JobWorld& w) { w.fake.desktop.processes.pop_back(); }, 4},
        {"no main window", Pinmark,
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMain].title = u"Other"; }, 4},
        {"no command area", gaugeread,
         [](JobWorld& w) {
             w.fake.desktop.windows[JobWorld::kMainCommand].title = u"x";
             w.fake.desktop.windows[JobWorld::kTextCommand].title = u"x";
         },
         4},
        {"CAD as administrator", Pinmark, [](JobWorld& w) { w.fake.desktop.integrity[4] = 0x3000; },
         5},
        {"CAD not answering", Pinmark,
         [](JobWorld& w) { w.fake.desktop.failures["SendMessageTimeoutA"] = -1; }, 6},
        {"topmost refused", Labelpen,
         [](JobWorld& w) { w.fake.desktop.failures["SetWindowPos(-1)"] = -1; }, 6},
        {"main window closed before the raise", Pinmark,
         [](JobWorld& w) { w.fake.desktop.failures["IsWindow(0x100)"] = -1; }, 7},
        {"command area unreadable", Pinmark,
         [](JobWorld& w) { w.fake.desktop.failures["GetWindowRect"] = -1; }, 7},
        {"another window in front before the paste", Pinmark,
         [](JobWorld& w) {
             w.fake.desktop.afterCall = [&w](const std::string& call) {
                 if (call.rfind("SetClipboardText", 0) == 0) {
                     w.fake.desktop.foreground = 0;
                 }
             };
         },
         7},
        {"another tool running", gaugeread,
         [](JobWorld& w) { w.fake.desktop.runLock = RunLockResult::TimedOut; }, 8},
        {"clipboard held open", Pinmark,
         [](JobWorld& w) { w.fake.desktop.failures["OpenClipboard"] = -1; }, 9},
        {"go.lsp unwritable", Pinmark, [](JobWorld& w) { w.fake.files.failWrites = true; }, 10},
        {"excel_fname.lsp unwritable", gaugeread,
         [](JobWorld& w) { w.fake.files.failWrites = true; }, 10},
        {"a dialog of the CAD open", Pinmark,
         [](JobWorld& w) { w.fake.desktop.windows[JobWorld::kMain].enabled = false; }, 11},
        {"focus not taken by the click", gaugeread,
         [](JobWorld& w) { w.fake.desktop.clicksTakeFocus = false; }, 11},
        // The script's write throws what nobody foresaw.
        {"out of memory", Pinmark,
         [](JobWorld& w) {
             w.fake.files.beforeWrite = [](TextView) {
                 throw std::bad_alloc();
             };
         },
         1},
    };
    for (const Case& c : cases) {
        ProgramRun run(c.program());
        c.arrange(run.world);
        EXPECT_EQ(run.Run(), c.code) << c.name;
        // A stop is told once, by the tool; a pasted run shows nothing.
        EXPECT_EQ(run.world.fake.messages.shown.size(), c.code == 0 ? 0u : 1u) << c.name;
    }
}

} // namespace
} // namespace vr

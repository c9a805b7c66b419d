// The paste reaches the stand-in's command line, which like the CAD's takes
// the keys only once clicked (its drawing has them after the activation, and
// Ctrl+V there pastes into the drawing), or nothing is clicked or typed.
#include "ToolBed.h"
#include "messages/ToolMessages.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

namespace vr {
namespace {

using test::DesktopState;
using test::ExpectDesktopPutBack;
using test::PrepareDesktop;
using test::ScratchFolder;
using test::StandinCad;
using test::ToolFolder;

constexpr char kCommandClassLine[] = "CommandClass=AcEdCommandLine\r\n";

// One paste into the command line, nothing pasted into the drawing, and the
// point drawn from it.
void ExpectPastedOnceIntoTheCommandLine(const StandinCad& cad, const char* point) {
    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", point})) << journal.Dump();
    EXPECT_EQ(journal.Count("\"event\":\"paste\""), 1u) << journal.Dump();
    EXPECT_EQ(journal.Count("\"event\":\"pasteclip\""), 0u) << journal.Dump();
    EXPECT_EQ(journal.Count("\"event\":\"key\",\"window\":\"drawing\""), 0u) << journal.Dump();
    EXPECT_EQ(journal.Count("\"event\":\"char\",\"window\":\"drawing\""), 0u) << journal.Dump();
    EXPECT_EQ(journal.Count("\"event\":\"entity\""), 1u) << journal.Dump();
}

TEST(CommandLineReach, EveryShapeOfCommandLineIsPastedIntoOnceAndTheDrawingNever) {
    struct Case {
        const char* name;
        std::wstring options;
        bool commandClass;
    };
    const Case cases[] = {
        {"docked", L"", false},
        {"docked two levels deep", L" --docked-command-line AcEdCommandLine", true},
        {"floating", L" --floating-command-line AcEdCommandLine", true},
        {"minimized", L" --minimized", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolFolder tool(L"reach-shape", L"pinmark", L"senten.txt", "node\r\n5,6\r\n");
        if (c.commandClass) {
            tool.folder.Write(L"ZuDuv.ini", std::string(test::kSettings) + kCommandClassLine);
        }
        StandinCad cad(tool.folder, L"acad.exe", tool.Support() + c.options);
        ASSERT_TRUE(cad.Ready());
        const DesktopState before = PrepareDesktop();
        const test::ProcessRun run = tool.Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.dialogs.empty())
            << test::ToUtf8(run.dialogs.empty() ? std::wstring() : run.dialogs[0].text);
        ExpectPastedOnceIntoTheCommandLine(cad, "\"x\":5,\"y\":6");
        ExpectDesktopPutBack(before, cad.Main());
    }
}

TEST(CommandLineReach, OfTwoCadsOnlyTheOneDrivenIsTouched) {
    const ToolFolder tool(L"reach-two", L"pinmark", L"senten.txt", "node\r\n8,9\r\n");
    const ScratchFolder other(L"reach-two-other");
    StandinCad first(tool.folder, L"acad.exe", tool.Support() + L" --drawing a.dwg");
    StandinCad second(other, L"acad.exe", tool.Support() + L" --drawing b.dwg");
    ASSERT_TRUE(first.Ready());
    ASSERT_TRUE(second.Ready());
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    const std::vector<DWORD> order = test::SnapshotOrder();
    const auto firstAt = std::find(order.begin(), order.end(), first.ProcessId());
    const auto secondAt = std::find(order.begin(), order.end(), second.ProcessId());
    const StandinCad& driven = firstAt > secondAt ? first : second;
    const StandinCad& left = firstAt > secondAt ? second : first;
    ExpectPastedOnceIntoTheCommandLine(driven, "\"x\":8,\"y\":9");
    EXPECT_EQ(left.Journal().Count("\"event\":\"paste\""), 0u);
    EXPECT_EQ(left.Journal().Count("\"event\":\"pasteclip\""), 0u);
    EXPECT_EQ(left.Journal().Count("\"event\":\"key\""), 0u);
}

TEST(CommandLineReach, ACommandLineTheClickWouldMissStopsTheRunBeforeAnyClickOrKey) {
    struct Case {
        const char* name;
        std::wstring options;
        Text message;
    };
    const Case cases[] = {
        {"a dialog of the CAD open", L" --modal-dialog", CadDialogOpenMessage()},
        {"the command line hidden", L" --hide-command-line", CommandLineHiddenMessage()},
        {"the command line covered by a palette", L" --cover-command-line",
         CommandLineCoveredMessage(u"プロパティ", u"acad.exe")},
        {"the command line partly off the screen", L" --off-screen", CommandLineOffScreenMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolFolder tool(L"reach-stop", L"pinmark", L"senten.txt", "node\r\n5,6\r\n");
        StandinCad cad(tool.folder, L"acad.exe", tool.Support() + c.options);
        ASSERT_TRUE(cad.Ready());
        const DesktopState before = PrepareDesktop();
        const test::ProcessRun run = tool.Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::CommandLineUnreachable));
        ASSERT_EQ(run.dialogs.size(), 1u);
        EXPECT_EQ(run.dialogs[0].caption, L"pinmark");
        EXPECT_EQ(run.dialogs[0].text, test::Wide(c.message)) << test::ToUtf8(run.dialogs[0].text);
        const auto& journal = cad.Journal();
        EXPECT_EQ(journal.Count("\"event\":\"click\""), 0u) << journal.Dump();
        EXPECT_EQ(journal.Count("\"event\":\"key\""), 0u) << journal.Dump();
        EXPECT_EQ(journal.Count("\"event\":\"char\""), 0u) << journal.Dump();
        EXPECT_EQ(journal.Count("\"event\":\"paste\""), 0u) << journal.Dump();
        EXPECT_EQ(journal.Count("\"event\":\"pasteclip\""), 0u) << journal.Dump();
        EXPECT_EQ(journal.Count("\"event\":\"entity\""), 0u) << journal.Dump();
        EXPECT_EQ(GetFileAttributesW(tool.folder.File(L"go.lsp").c_str()), INVALID_FILE_ATTRIBUTES);
        ExpectDesktopPutBack(before, cad.Main());
        EXPECT_EQ(test::ClipboardBytes(), std::optional<std::string>("the user's text"));
    }
}

} // namespace
} // namespace vr

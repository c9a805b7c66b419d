// pinmark end to end under Wine against the stand-in CAD.
#include "ToolBed.h"
#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"
#include "winsupport/win32/FileReader.h"
#include "winsupport/win32/Handles.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::DesktopState;
using test::ExpectDesktopPutBack;
using test::PrepareDesktop;
using test::ScratchFolder;
using test::StandinCad;
using test::ToolFolder;

TEST(Pinmark, PointModeDrawsPointsAndPutsTheDesktopBack) {
    const ToolFolder tool(L"pinmark-points", L"pinmark", L"senten.txt",
                          "node\r\n10,20,0\r\n30,40,0\r\n50,60\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.dialogs.empty());

    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"event\":\"click\"", "\"window\":\"commandArea\""}));
    EXPECT_TRUE(journal.WaitFor(
        {"{\"event\":\"paste\",\"text\":\"\\u001b(load \\\"go\\\")\\r\\n\",\"bytes\":14"}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":10,\"y\":20,\"z\":0"}));
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":30,\"y\":40,\"z\":0"}));
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":50,\"y\":60,\"z\":0"}));
    EXPECT_EQ(journal.Count("\"event\":\"entity\""), 3u);
    EXPECT_EQ(journal.Count("\"event\":\"error\""), 0u);
    // The key events carry the extended-key flag.
    EXPECT_TRUE(journal.WaitFor({"\"vk\":86,\"down\":true,\"extended\":true"}));

    ExpectDesktopPutBack(before, cad.Main());
    EXPECT_EQ(test::ClipboardBytes(), std::nullopt); // emptied, the user's text is gone
}

TEST(Pinmark, LineModeDrawsAChainOfLines) {
    const ToolFolder tool(L"pinmark-lines", L"pinmark", L"senten.txt",
                          "line\r\n0,0\r\n100,0\r\n100,50\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_TRUE(run.dialogs.empty());
    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"LINE\"", "\"x\":0,\"y\":0", "\"x2\":100,\"y2\":0"}));
    EXPECT_TRUE(
        journal.WaitFor({"\"type\":\"LINE\"", "\"x\":100,\"y\":0", "\"x2\":100,\"y2\":50"}));
    EXPECT_EQ(journal.Count("\"event\":\"entity\""), 2u);
    ExpectDesktopPutBack(before, cad.Main());
}

// The user had confined the cursor before the run: the same rectangle is in
// force afterwards. (Wine's server drops the confinement whenever another
// thread's window comes to the front, so only a run that ends with the CAD
// in front shows it here; a stop, whose message box comes to the front, is
// proved over the recording fake.)
TEST(Pinmark, AConfinementTheUserHadIsThereAgainAfterTheRun) {
    const RECT confine{5, 5, GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5};
    const ToolFolder tool(L"pinmark-confined", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop(&confine);
    ASSERT_TRUE(EqualRect(&before.clip, &confine));
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u) << cad.Journal().Dump();
    EXPECT_TRUE(run.dialogs.empty());
    ExpectDesktopPutBack(before, cad.Main());
    ClipCursor(nullptr);
}

TEST(Pinmark, MinimizedCadIsRestoredAndUsed) {
    const ToolFolder tool(L"pinmark-minimized", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --minimized");
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(IsIconic(cad.Main()));
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_TRUE(run.dialogs.empty());
    EXPECT_FALSE(IsIconic(cad.Main()));
    EXPECT_TRUE(cad.Journal().WaitFor({"\"type\":\"POINT\"", "\"x\":1,\"y\":1"}));
}

TEST(Pinmark, TheLastCadFoundIsDriven) {
    const ToolFolder tool(L"pinmark-two", L"pinmark", L"senten.txt", "node\r\n7,7\r\n");
    const ScratchFolder other(L"pinmark-two-other");
    StandinCad first(tool.folder, L"acad.exe", tool.Support() + L" --drawing a.dwg");
    StandinCad second(other, L"acad.exe", tool.Support() + L" --drawing b.dwg");
    ASSERT_TRUE(first.Ready());
    ASSERT_TRUE(second.Ready());
    const std::vector<DWORD> order = test::SnapshotOrder();
    const auto firstAt = std::find(order.begin(), order.end(), first.ProcessId());
    const auto secondAt = std::find(order.begin(), order.end(), second.ProcessId());
    const StandinCad& last = firstAt > secondAt ? first : second;
    const StandinCad& other2 = firstAt > secondAt ? second : first;

    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_TRUE(run.dialogs.empty());
    EXPECT_TRUE(last.Journal().WaitFor({"\"type\":\"POINT\"", "\"x\":7,\"y\":7"}));
    EXPECT_EQ(other2.Journal().Count("\"event\":\"paste\""), 0u);
}

TEST(Pinmark, NoCadRunningTellsTheUserAndTouchesNothing) {
    const ToolFolder tool(L"pinmark-nocad", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::NoCad));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].caption, L"pinmark");
    EXPECT_EQ(run.dialogs[0].text,
              test::Wide(NoCadFoundFirstRunMessage(u"acad", {}, {}, test::ReportIn(tool.folder))));
    EXPECT_EQ(GetFileAttributesW(tool.folder.File(L"go.lsp").c_str()), INVALID_FILE_ATTRIBUTES);
    ExpectDesktopPutBack(before, nullptr);
    EXPECT_EQ(test::ClipboardBytes(), std::optional<std::string>("the user's text"));
}

TEST(Pinmark, BadSentenIsReportedAndGoLspKept) {
    const ToolFolder tool(L"pinmark-bad", L"pinmark", L"senten.txt", "");
    tool.folder.Write(L"go.lsp", "(princ \"old\")\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::Input));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_NE(run.dialogs[0].text.find(L"senten.txt が空です"), std::wstring::npos);
    EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
    EXPECT_EQ(ReadWholeFile(tool.folder.File(L"go.lsp")), "(princ \"old\")\r\n");
}

TEST(Pinmark, BadInputStopsBeforeTheCadIsTouchedAndKeepsTheClipboard) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"node\r\n(princ \"INJECTED\"),0\r\n", L"の2行目の座標「(princ」は数値ではありません"},
        {"\xEF\xBB\xBFnode\r\n1,2\r\n", L"UTF-8（BOM付き） で保存されています"},
        {std::string("n\0o\0d\0e\0", 8), L"UTF-16 などテキスト以外の形式"},
        // Saved by an editor with LF line ends: one line, which would draw
        // nothing and report success.
        {"node\n12.5,3\n40,3\n", L"senten.txt の1行目に改行コード LF だけの改行があります"},
        // Saved as UTF-8 without a byte order mark.
        {"node\r\n\xEF\xBC\x91,2\r\n", L"senten.txt が UTF-8 で保存されています"},
        // Write #1, "node" quotes the mode line.
        {"\"node\"\r\n1,2\r\n", L"senten.txt の1行目「\"node\"」は node と読めません"},
        // Print # of 0.5.
        {"node\r\n .5 , 1 \r\n", L"0.5 のように書いてください"},
        {"line\r\n0,0\r\n,,\r\n100,0\r\n", L"senten.txt の3行目が空の行です"},
    };
    for (const auto& [senten, message] : cases) {
        test::ExpectInputRefused(L"pinmark", L"senten.txt", senten, message);
    }
}

// As VBA writes it: Print #1, x; ","; y puts a blank before and after each
// number, and a sheet written to the end of its selection leaves empty rows.
TEST(Pinmark, AFileWrittenByPrintWithEmptyRowsAtTheEndDraws) {
    const ToolFolder tool(L"pinmark-print", L"pinmark", L"senten.txt",
                          "node\r\n 12.5 , 3 \r\n-40 , 3 \r\n,\r\n,\r\n\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.dialogs.empty());
    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":12.5,\"y\":3"})) << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":-40,\"y\":3"}));
    EXPECT_EQ(journal.Count("\"event\":\"entity\""), 2u);
    EXPECT_EQ(journal.Count("\"event\":\"error\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
}

TEST(Pinmark, MissingSentenEndsWithTheInputCodeBeforeTheCadIsTouched) {
    const ToolFolder tool(L"pinmark-nosenten", L"pinmark", L"", "");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::Input));
    ASSERT_EQ(run.dialogs.size(), 1u);
    const std::wstring path = tool.folder.File(L"senten.txt");
    EXPECT_EQ(run.dialogs[0].text, test::Wide(InputFileUnreadableMessage(
                                       u"senten.txt", Text(path.begin(), path.end()))));
    EXPECT_EQ(cad.Journal().Count("\"event\":\"click\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
    EXPECT_EQ(test::ClipboardBytes(), std::optional<std::string>("the user's text"));
}

// The lock every tool run takes, held here by the test as a tool at work
// would hold it: the run waits its bound, then ends with its own code.
TEST(Pinmark, AnotherToolAtWorkEndsTheRunWithItsCodeAfterTheBound) {
    const ToolFolder tool(L"pinmark-locked-out", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const UniqueHandle held(CreateMutexW(nullptr, TRUE, L"Local\\VadoRariri.ToolJob"));
    ASSERT_TRUE(held.IsValid());
    const DesktopState before = PrepareDesktop();
    const DWORD start = GetTickCount();
    const test::ProcessRun run = tool.Run();
    const DWORD elapsed = GetTickCount() - start;
    ReleaseMutex(held.Get());
    ASSERT_TRUE(run.exited);
    EXPECT_GE(elapsed, kRunLockTimeoutMs);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::AnotherTool));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].text, test::Wide(AnotherToolRunningMessage()));
    EXPECT_EQ(cad.Journal().Count("\"event\":\"click\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
}

TEST(Pinmark, ALockedGoLspSaysWhyAndPastesNothing) {
    const ToolFolder tool(L"pinmark-locked", L"pinmark", L"senten.txt", "node\r\n1,2\r\n");
    tool.folder.Write(L"go.lsp", "(princ \"old\")\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const UniqueHandle lock(CreateFileW(tool.folder.File(L"go.lsp").c_str(), GENERIC_READ, 0,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock.IsValid());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::OutputUnwritable));
    ASSERT_EQ(run.dialogs.size(), 1u);
    // The system's reason in parentheses, then the path.
    const std::wstring& text = run.dialogs[0].text;
    const std::wstring head = L"go.lsp を書き込めませんでした（";
    EXPECT_EQ(text.rfind(head, 0), 0u) << test::ToUtf8(text);
    const std::size_t close = text.find(L"）。\n");
    ASSERT_NE(close, std::wstring::npos) << test::ToUtf8(text);
    EXPECT_GT(close, head.size()); // a reason, not empty
    EXPECT_EQ(text.substr(close + 3), tool.folder.File(L"go.lsp"));
    EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
}

TEST(Pinmark, JapaneseFolderAndText) {
    const ToolFolder tool(L"表ソ図面", L"pinmark", L"senten.txt",
                          "\x90\xfc\r\n0,0\r\n5,5\r\n"); // mode line 線: lines
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_TRUE(run.dialogs.empty());
    EXPECT_TRUE(cad.Journal().WaitFor({"\"event\":\"load\"", "表ソ図面"}));
    EXPECT_TRUE(cad.Journal().WaitFor({"\"type\":\"LINE\"", "\"x2\":5,\"y2\":5"}));
}

TEST(Pinmark, TwoRunsAtOnceTakeTurns) {
    const ToolFolder tool(L"pinmark-turns", L"pinmark", L"senten.txt", "node\r\n2,2\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const PROCESS_INFORMATION first = test::StartProgram(tool.folder.File(L"pinmark.exe"));
    const UniqueHandle firstProcess(first.hProcess), firstThread(first.hThread);
    const PROCESS_INFORMATION second = test::StartProgram(tool.folder.File(L"pinmark.exe"));
    const UniqueHandle secondProcess(second.hProcess), secondThread(second.hThread);
    const test::ProcessRun firstRun = test::WatchProcess(first, 30000);
    const test::ProcessRun secondRun = test::WatchProcess(second, 30000);
    EXPECT_TRUE(firstRun.exited && secondRun.exited);
    EXPECT_TRUE(firstRun.dialogs.empty() && secondRun.dialogs.empty());
    // Both load commands arrived whole, one after the other.
    EXPECT_TRUE(cad.Journal().WaitFor({"\"type\":\"POINT\"", "\"x\":2,\"y\":2"}));
    const DWORD start = GetTickCount();
    while (cad.Journal().Count("\"event\":\"entity\"") < 2 && GetTickCount() - start < 5000) {
        Sleep(20);
    }
    EXPECT_EQ(
        cad.Journal().Count("{\"event\":\"paste\",\"text\":\"\\u001b(load \\\"go\\\")\\r\\n\""), 2u)
        << cad.Journal().Dump();
    EXPECT_EQ(cad.Journal().Count("\"event\":\"entity\""), 2u);
    EXPECT_EQ(cad.Journal().Count("\"event\":\"error\""), 0u);
}

TEST(Pinmark, HungCadEndsWithinTheBoundsWithTheDesktopBack) {
    const ToolFolder tool(L"pinmark-hung", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    // The hang outlasts every bound of the tool, and the test.
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --hang-after 1 --hang-for 60000");
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(cad.Journal().WaitFor({"\"event\":\"hang\""}));
    const DesktopState before = PrepareDesktop();
    const DWORD start = GetTickCount();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    // One bounded wait on the hung CAD; every later call to its thread fails
    // at once instead of waiting again.
    EXPECT_LT(GetTickCount() - start, 6000u);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::CadNotAnswering));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].text, test::Wide(CadNotRespondingMessage(kOperationAnswer)));
    ExpectDesktopPutBack(before, cad.Main());
    EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 0u);
}

TEST(Pinmark, CadThatExitsMidRunEndsWithinTheBounds) {
    const ToolFolder tool(L"pinmark-exits", L"pinmark", L"senten.txt", "node\r\n1,1\r\n", "40\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --exit-after 1500");
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const DWORD start = GetTickCount();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_LT(GetTickCount() - start, 20000u);
    ExpectDesktopPutBack(before, nullptr);
}

} // namespace
} // namespace vr

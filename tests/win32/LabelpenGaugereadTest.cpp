// labelpen and gaugeread end to end under Wine against the stand-in CAD.
#include "BuildPaths.h"
#include "ToolBed.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::ExpectDesktopPutBack;
using test::PrepareDesktop;
using test::StandinCad;
using test::ToolFolder;

TEST(Labelpen, PlacesEachItemAtItsPointWithHeightAndAngle) {
    const ToolFolder tool(L"labelpen-items", L"labelpen", L"mojidata.txt",
                          test::Cp932(u"3.5 90\r\nABC\r\n橋脚 表ソ\r\n12\" pipe\r\n"));
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --points 1,2;3,4;5,6");
    ASSERT_TRUE(cad.Ready());
    const test::DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.dialogs.empty());
    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor(
        {"\"event\":\"prompt\"", "\"text\":\"橋脚 表ソ 文字描画点をクリックしてください。\""}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"TEXT\"", "\"x\":1,\"y\":2", "\"height\":3.5",
                                 "\"rotation\":90", "\"text\":\"ABC\""}));
    EXPECT_TRUE(
        journal.WaitFor({"\"type\":\"TEXT\"", "\"x\":3,\"y\":4", "\"text\":\"橋脚 表ソ\""}));
    EXPECT_TRUE(
        journal.WaitFor({"\"type\":\"TEXT\"", "\"x\":5,\"y\":6", "\"text\":\"12\\\" pipe\""}));
    EXPECT_EQ(journal.Count("\"event\":\"error\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
    EXPECT_EQ(test::ClipboardBytes(), std::nullopt);
}

TEST(Labelpen, ParameterLineWithoutASpaceIsReported) {
    const ToolFolder tool(L"labelpen-bad", L"labelpen", L"mojidata.txt", "2.5\r\nA\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const test::DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].caption, L"labelpen");
    EXPECT_NE(run.dialogs[0].text.find(L"「2.5」は文字の高さと角度ではありません"),
              std::wstring::npos);
    EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
}

// Print #1, h; a writes " 2.5  0 "; the empty rows after the labels are the
// rest of the sheet's selection. Both labels are placed, and nothing more
// is asked of the user.
TEST(Labelpen, APrintHeaderAndEmptyRowsAtTheEndPlaceTheLabels) {
    const ToolFolder tool(L"labelpen-print", L"labelpen", L"mojidata.txt",
                          test::Cp932(u" 2.5  0 \r\nA1橋台\r\nA2橋台\r\n\r\n  \r\n"));
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --points 1,2;3,4;5,6");
    ASSERT_TRUE(cad.Ready());
    const test::DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.dialogs.empty());
    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor(
        {"\"type\":\"TEXT\"", "\"x\":1,\"y\":2", "\"height\":2.5", "\"text\":\"A1橋台\""}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"TEXT\"", "\"x\":3,\"y\":4", "\"text\":\"A2橋台\""}));
    EXPECT_EQ(journal.Count("\"event\":\"prompt\""), 2u);
    EXPECT_EQ(journal.Count("\"event\":\"error\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
}

TEST(Labelpen, Utf8AndCellLineBreaksAreRefusedBeforeTheCadIsTouched) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"2.5 0\r\nA1\xE6\xA9\x8B\xE5\x8F\xB0\r\n", L"mojidata.txt が UTF-8 で保存されています"},
        {test::Cp932(u"2.5 0\r\nA1\n橋台\r\n"), L"セルの中の改行（Alt+Enter）"},
    };
    for (const auto& [mojidata, message] : cases) {
        test::ExpectInputRefused(L"labelpen", L"mojidata.txt", mojidata, message);
    }
}

std::wstring DistSupport() {
    return L" --support \"" + std::wstring(kDistDir) + L"\"";
}

TEST(Gaugeread, LoadsTheRoutineForTheExpressionAndLeavesItOnTheClipboard) {
    struct Case {
        std::wstring arguments;
        const char* routine;
        std::vector<std::string> printed; // what the routine shows, piece by piece
    };
    // No spreadsheet runs beside this stand-in: the routine reads the
    // request and says that the values go through the result file to the
    // workbook it names.
    const Case cases[] = {
        {L"+1 12 5 C:\\data\\book1.xlsm",
         "qv",
         {"実行中の Excel に接続できません。値は gaugeread_result.txt を通してブック "
          "C:\\\\data\\\\book1.xlsm に届けます。"}},
        {L"5 3 4 \"C:\\My Books\\表.xlsm\"",
         "qvpos",
         {"実行中の Excel に接続できません。値は gaugeread_result.txt を通してブック "
          "C:\\\\My Books\\\\表.xlsm に届けます。"}},
    };
    for (const Case& c : cases) {
        const ToolFolder tool(L"gaugeread", L"gaugeread", L"", "");
        StandinCad cad(tool.folder, L"acad.exe", tool.Support() + DistSupport());
        ASSERT_TRUE(cad.Ready());
        const test::DesktopState before = PrepareDesktop();
        const test::ProcessRun run = tool.Run(c.arguments);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.dialogs.empty());
        const auto& journal = cad.Journal();
        const std::string routine = c.routine;
        EXPECT_TRUE(
            journal.WaitFor({"\"event\":\"execute\",\"line\":\"(load \\\"" + routine + "\\\")\""}))
            << journal.Dump();
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"load\"", "excel_fname.lsp"}));
        for (const std::string& piece : c.printed) {
            EXPECT_TRUE(journal.WaitFor({"{\"event\":\"print\",\"text\":\"\\n" + piece}))
                << piece << "\n"
                << journal.Dump();
        }
        ExpectDesktopPutBack(before, cad.Main());
        EXPECT_EQ(test::ClipboardBytes(), "\x1b(load \"" + routine + "\")\r\n");
    }
}

TEST(Gaugeread, TooFewFieldsWriteNothingAndTouchNothing) {
    const ToolFolder tool(L"gaugeread-few", L"gaugeread", L"", "");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const test::DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run(L"+1 12 5");
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::Input));
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].caption, L"gaugeread");
    EXPECT_NE(run.dialogs[0].text.find(L"受け取った値: 「+1 12 5」"), std::wstring::npos);
    EXPECT_EQ(GetFileAttributesW(tool.folder.File(L"excel_fname.lsp").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(cad.Journal().Count("\"event\":\"click\""), 0u);
    ExpectDesktopPutBack(before, cad.Main());
    EXPECT_EQ(test::ClipboardBytes(), std::optional<std::string>("the user's text"));
}

} // namespace
} // namespace vr

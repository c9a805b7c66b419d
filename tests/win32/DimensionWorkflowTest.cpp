// The dimension workflow end to end under Wine: gaugeread hands a request to
// the CAD-side routines in the stand-in CAD, the user's picks are scripted,
// and the values land in the stand-in's double of the spreadsheet.
#include "BuildPaths.h"
#include "ToolBed.h"
#include "text/Utf8.h"
#include "winsupport/win32/FileReader.h"

#include <gtest/gtest.h>

#include <string>

namespace vr {
namespace {

using test::PrepareDesktop;
using test::StandinCad;
using test::ToolFolder;

constexpr wchar_t kBook[] = L"C:\\data\\book1.xlsm";

// A tool folder with gaugeread, its own copy of the decimals file (found
// first on the support path, so a test may change it), and the drawing the
// routines pick from.
struct DimensionBed {
    explicit DimensionBed(const std::wstring& name, const std::string& digits = "2\r\n")
        : tool(name, L"gaugeread", L"", "") {
        tool.folder.Write(L"gaugeread_int.dat", digits);
        const auto drawing =
            ReadWholeFile(std::wstring(kSourceDir) + L"\\tests\\support\\bridge-dimensions.lsp");
        // The CAD reads AutoLISP sources in the system's code page.
        tool.folder.Write(L"bridge-dimensions.lsp",
                          test::Cp932(TextFromUtf8(drawing.value_or("(princ \"no drawing\")"))));
    }
    // The stand-in's arguments: the support path (this folder, then the
    // installed files), the drawing, and what the test adds.
    [[nodiscard]] std::wstring StandinArguments(const std::wstring& extra) const {
        return tool.Support() + L" --support \"" + std::wstring(kDistDir) +
               L"\" --run \"(load \\\"bridge-dimensions\\\")\" " + extra;
    }
    ToolFolder tool;
};

// The picks: the dimension under the first side span (30), the centre
// span's text 「中央径間 L=40m」 (40), the dimension under the last side span
// (30), and the dimension whose override reads 「L=40.125m」.
constexpr wchar_t kPickFirstSpan[] = L"15,-8";
constexpr wchar_t kPickCentreText[] = L"42,13";
constexpr wchar_t kPickLastSpan[] = L"85,-8";
constexpr wchar_t kPickOverride[] = L"50,-14";

std::wstring Picks(std::initializer_list<std::wstring> picks) {
    std::wstring joined;
    for (const std::wstring& pick : picks) {
        joined += (joined.empty() ? L"" : L";") + pick;
    }
    return L"--picks \"" + joined + L"\"";
}

struct CellWrite {
    int row;
    int col;
    const char* value;  // as the journal writes the number
    const char* echoed; // as the routine shows it
};

void ExpectWrites(const test::JournalFile& journal, const std::vector<CellWrite>& writes) {
    for (const CellWrite& write : writes) {
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"excel-write\"",
                                     "\"row\":" + std::to_string(write.row) + ",",
                                     "\"col\":" + std::to_string(write.col) + ",",
                                     std::string("\"value\":") + write.value}))
            << "R" << write.row << "C" << write.col << "\n"
            << journal.Dump();
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"print\"", write.echoed})) << write.echoed;
    }
    EXPECT_EQ(journal.Count("\"event\":\"excel-write\""), writes.size()) << journal.Dump();
}

TEST(DimensionWorkflow, PicksLandInTheWorkbookRowByRow) {
    struct Case {
        const wchar_t* name;
        std::wstring expression;
        std::wstring picks;
        std::vector<CellWrite> writes;
    };
    const Case cases[] = {
        {L"down",
         L"+1",
         Picks({kPickFirstSpan, kPickCentreText, kPickLastSpan, L"enter"}),
         {{12, 5, "30,", "R12C5 ← 30.00"},
          {13, 5, "40,", "R13C5 ← 40.00"},
          {14, 5, "30,", "R14C5 ← 30.00"}}},
        {L"up",
         L"-1",
         Picks({kPickFirstSpan, kPickCentreText, kPickLastSpan, L"enter"}),
         {{12, 5, "30,", "R12C5 ← 30.00"},
          {11, 5, "40,", "R11C5 ← 40.00"},
          {10, 5, "30,", "R10C5 ← 30.00"}}},
        // qvpos: one pick, one value; the picks after it are never asked for.
        {L"one",
         L"5",
         Picks({kPickOverride, kPickFirstSpan}),
         {{12, 5, "40.13,", "R12C5 ← 40.13"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        const DimensionBed bed(std::wstring(L"dimension-") + c.name);
        StandinCad cad(bed.tool.folder, L"acad.exe",
                       bed.StandinArguments(L"--workbook \"" + std::wstring(kBook) +
                                            L"\" --sheet 寸法 " + c.picks));
        ASSERT_TRUE(cad.Ready());
        const test::DesktopState before = PrepareDesktop();
        const test::ProcessRun run = bed.tool.Run(c.expression + L" 12 5 " + kBook);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.dialogs.empty());
        const auto& journal = cad.Journal();
        EXPECT_TRUE(journal.WaitFor({"\"type\":\"TEXT\"", "\"text\":\"中央径間 L=40m\""}))
            << journal.Dump();
        ExpectWrites(journal, c.writes);
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"excel-objects\"", "\"unreleased\":0"}))
            << journal.Dump();
        // Only errors the routine's *error* took (Esc at a pick) are journaled.
        EXPECT_EQ(journal.Count("\"event\":\"error\""), journal.Count("\"handler\":true"))
            << journal.Dump();
        test::ExpectDesktopPutBack(before, cad.Main());
    }
}

TEST(DimensionWorkflow, EachRefusalNamesItsFaultAndWritesNothing) {
    struct Case {
        const wchar_t* name;
        std::wstring standin; // what the stand-in is started with besides the drawing
        std::wstring arguments;
        const char* shown;
        bool asksForAPick;
    };
    const std::wstring book = std::wstring(L" 12 5 ") + kBook;
    const Case cases[] = {
        {L"fractional-step", L"--workbook " + std::wstring(kBook) + L" " + Picks({kPickFirstSpan}),
         L"+1.5" + book, "式「+1.5」は qv では使えません。", false},
        {L"escape", L"--workbook " + std::wstring(kBook) + L" " + Picks({L"esc"}), L"+1" + book,
         "中止しました。書き込んだ 0 個の値はそのままです。", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        const DimensionBed bed(std::wstring(L"dimension-") + c.name);
        StandinCad cad(bed.tool.folder, L"acad.exe", bed.StandinArguments(c.standin));
        ASSERT_TRUE(cad.Ready());
        const test::DesktopState before = PrepareDesktop();
        const test::ProcessRun run = bed.tool.Run(c.arguments);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0u);
        const auto& journal = cad.Journal();
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"print\"", c.shown})) << journal.Dump();
        EXPECT_EQ(journal.Count("\"event\":\"excel-write\""), 0u);
        EXPECT_EQ(journal.Count("\"event\":\"entsel\"") > 0, c.asksForAPick) << journal.Dump();
        // Only errors the routine's *error* took (Esc at a pick) are journaled.
        EXPECT_EQ(journal.Count("\"event\":\"error\""), journal.Count("\"handler\":true"))
            << journal.Dump();
        test::ExpectDesktopPutBack(before, cad.Main());
    }
}

TEST(DimensionWorkflow, GaugereadintChangesTheDecimalsOfTheNextPick) {
    const DimensionBed bed(L"dimension-decimals");
    StandinCad cad(bed.tool.folder, L"acad.exe",
                   bed.StandinArguments(L"--run \"(load \\\"gaugereadint\\\")\" --run GAUGEREADINT "
                                        L"--dialog \"digits=4;accept\" --workbook " +
                                        std::wstring(kBook) + L" " +
                                        Picks({kPickOverride, L"enter"})));
    ASSERT_TRUE(cad.Ready());
    const auto& journal = cad.Journal();
    ASSERT_TRUE(
        journal.WaitFor({"\"event\":\"print\"", "寸法値の小数点以下の桁数を 4 にしました。"}))
        << journal.Dump();
    EXPECT_EQ(ReadWholeFile(bed.tool.folder.File(L"gaugeread_int.dat")), "4\r\n");
    const test::ProcessRun run = bed.tool.Run(std::wstring(L"+1 12 5 ") + kBook);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    ExpectWrites(journal, {{12, 5, "40.125,", "R12C5 ← 40.1250"}});
}

// gaugeread_result.txt beside the request once the routine has written its
// last line, or what it holds when that line does not come.
std::string ResultOnceEnded(const DimensionBed& bed, const std::string& lastLine) {
    const std::wstring path = bed.tool.folder.File(L"gaugeread_result.txt");
    std::string result;
    for (int tries = 0; tries < 100; ++tries) {
        result = ReadWholeFile(path).value_or("");
        if (result.size() >= lastLine.size() &&
            result.compare(result.size() - lastLine.size(), lastLine.size(), lastLine) == 0) {
            break;
        }
        Sleep(100);
    }
    return result;
}

// AutoCAD LT, whose AutoLISP reaches no other program's automation objects
// (the functions missing, or raising an error), takes the values through
// gaugeread_result.txt; AutoCAD with the workbook open in Excel writes the
// cells and records them in the file. Each file is kept in the build tree
// for the sample workbook's check, which applies it in LibreOffice.
TEST(DimensionWorkflow, TheResultFileCarriesTheValuesWhereAutomationIsMissing) {
    struct Case {
        const wchar_t* name;
        const wchar_t* program;
        std::wstring standin;
        std::wstring picks;
        const char* said;
        std::string result;
        std::vector<CellWrite> excelWrites;
    };
    const std::wstring workbook = L"--workbook \"" + std::wstring(kBook) + L"\" --sheet 寸法 ";
    const Case cases[] = {
        {L"lt",
         L"acadlt",
         L"--lt ",
         Picks({kPickFirstSpan, kPickCentreText, kPickLastSpan, L"enter"}),
         "3 個の値を gaugeread_result.txt に書きました。Excel のブックが取り込みます。",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nvalue 13 5 40.00\r\nvalue 14 5 30.00\r\nend 3\r\n",
         {}},
        {L"lt-escape",
         L"acadlt",
         L"--lt-automation-error " + workbook,
         Picks({kPickFirstSpan, kPickCentreText, L"esc"}),
         "中止しました。書き込んだ 2 個の値はそのままです。",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nvalue 13 5 40.00\r\ncancelled 2\r\n",
         {}},
        {L"acad",
         L"acad",
         workbook,
         Picks({kPickFirstSpan, kPickCentreText, kPickLastSpan, L"enter"}),
         "3 個の値を Excel に直接書き込みました。",
         "start +1 12 5\r\nwritten 12 5 30.00\r\nwritten 13 5 40.00\r\nwritten 14 5 30.00\r\n"
         "end 3\r\n",
         {{12, 5, "30,", "R12C5 ← 30.00"},
          {13, 5, "40,", "R13C5 ← 40.00"},
          {14, 5, "30,", "R14C5 ← 30.00"}}},
    };
    const std::wstring kept = std::wstring(kBuildDir) + L"\\standin-results";
    CreateDirectoryW(kept.c_str(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        const DimensionBed bed(std::wstring(L"dimension-result-") + c.name);
        std::string settings = test::kSettings;
        settings.replace(settings.find("ACADName=acad\r\n"), 15,
                         "ACADName=" + std::string(c.program, c.program + wcslen(c.program)) +
                             "\r\n");
        bed.tool.folder.Write(L"ZuDuv.ini", settings);
        bed.tool.folder.Write(L"gaugeread_result.txt", "start +1 12 5\r\nvalue 12 5 99.00\r\n");
        StandinCad cad(bed.tool.folder, std::wstring(c.program) + L".exe",
                       bed.StandinArguments(c.standin + c.picks));
        ASSERT_TRUE(cad.Ready());
        const test::DesktopState before = PrepareDesktop();
        const test::ProcessRun run = bed.tool.Run(std::wstring(L"+1 12 5 ") + kBook);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0u);
        const auto& journal = cad.Journal();
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"print\"", c.said})) << journal.Dump();
        const std::string last = c.result.substr(c.result.rfind('\n', c.result.size() - 3) + 1);
        EXPECT_EQ(ResultOnceEnded(bed, last), c.result) << journal.Dump();
        ExpectWrites(journal, c.excelWrites);
        EXPECT_EQ(journal.Count("\"event\":\"error\""), journal.Count("\"handler\":true"))
            << journal.Dump();
        test::ExpectDesktopPutBack(before, cad.Main());
        EXPECT_TRUE(CopyFileW(bed.tool.folder.File(L"gaugeread_result.txt").c_str(),
                              (kept + L"\\" + c.name + L".txt").c_str(), FALSE));
    }
}

} // namespace
} // namespace vr

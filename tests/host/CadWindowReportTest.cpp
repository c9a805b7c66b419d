// The window report cadwindows.txt, byte for byte: code page 932, CR LF.
#include "diagnosis/CadWindowReport.h"
#include "FakeDesktop.h"
#include "SourceFiles.h"
#include "diagnosis/FirstRunProposals.h"
#include "text/AnsiText.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace vr {
namespace {

std::string Golden(const std::string& name) {
    return vr::test::SourceBytes("tests/host/golden/" + name);
}

// A CAD with its text window and a floating command line owned by the main
// window, a main window with nested children, a hidden IME window on a
// second thread; a second CAD that does not answer; a program that is no CAD.
struct ReportWorld {
    test::RecordingDesktop desktop;

    void Window(Hwnd handle, std::string className, Text title, ScreenRect rect,
                std::vector<Hwnd> children = {}, std::int32_t id = 0, Hwnd owner = 0,
                bool visible = true) {
        test::FakeWindow& w = desktop.windows[handle];
        w.className = std::move(className);
        w.title = std::move(title);
        w.rect = rect;
        w.children = std::move(children);
        w.id = id;
        w.owner = owner;
        w.visible = visible;
    }

    ReportWorld() {
        desktop.processes = {{1, "explorer.exe"}, {4, "acad.exe"}, {7, "gcad.exe"}};
        desktop.threads = {{10, 1}, {40, 4}, {41, 4}, {70, 7}};
        desktop.threadWindows[10] = {0x900};
        desktop.threadWindows[40] = {0x200, 0x400, 0x100};
        desktop.threadWindows[41] = {0x500};
        desktop.threadWindows[70] = {0x700, 0x710};
        Window(0x900, "Progman", u"Program Manager", {0, 0, 1920, 1080});
        Window(0x200, "TextWindow", u"AutoCAD テキスト ウィンドウ - 図面1.dwg",
               {100, 100, 600, 500}, {0x210}, 0, 0x100, false);
        // A text box answers its text as its title, line ends and all.
        Window(0x210, "Edit", u"履歴\r\n", {102, 102, 598, 498}, {}, 1004, 0, false);
        Window(0x400, "AcEdCommandLine", u"", {0, 1040, 1920, 1100}, {0x401}, 0, 0x100);
        Window(0x401, "Edit", u"", {2, 1070, 1918, 1098}, {}, 1001);
        Window(0x100, "MainFrame", u"Autodesk AutoCAD 2024 - [図面1.dwg]", {0, 0, 1920, 1040},
               {0x110, 0x130});
        Window(0x110, "MDIClient", u"", {0, 100, 1920, 980}, {0x111});
        Window(0x111, "DrawingView", u"図面1.dwg", {2, 102, 1918, 978}, {}, 59648);
        Window(0x130, "StatusBar", u"", {0, 980, 1920, 1040}, {}, 59393, 0, false);
        Window(0x500, "IME", u"Default IME", {0, 0, 0, 0}, {}, 0, 0, false);
        Window(0x700, "GcadMain", u"IJCAD", {0, 0, 800, 600});
        Window(0x710, "GcadText", u"x", {0, 0, 400, 300});
    }
};

TEST(CadWindowReport, MatchesTheGoldenBytes) {
    ReportWorld world;
    const auto processes = SurveyCadProcesses(world.desktop.Services(), u"acad");
    ASSERT_EQ(processes.size(), 2u);
    const FirstRunFindings findings =
        FindCommandLineCandidates(processes[0], 0x100, u"AutoCAD テキスト ウィンドウ");
    const Bytes report = CadWindowReportBytes(processes, findings);
    const std::string golden = Golden("cadwindows.txt");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(report, golden);
}

// Where no command area was found, each window that could be the command
// line is listed again with whether it is shown: a hidden one is found by
// its caption or class, but a click there reaches whatever lies behind it.
TEST(CadWindowReport, CommandLineCandidatesSayWhetherTheyAreShown) {
    for (const bool shown : {true, false}) {
        ReportWorld world;
        world.desktop.windows[0x400].visible = shown;
        const auto processes = SurveyCadProcesses(world.desktop.Services(), u"acad");
        const FirstRunFindings findings =
            FindCommandLineCandidates(processes[0], 0x100, u"AutoCAD テキスト ウィンドウ");
        ASSERT_TRUE(findings.candidates) << shown;
        const std::string report =
            Utf8FromText(DecodeAnsi(CadWindowReportBytes(processes, findings)));
        const std::string heading =
            "\r\nコマンド ラインの候補（非表示のものはクリックできません）\r\n";
        const auto section = report.find(heading);
        ASSERT_NE(section, std::string::npos) << report;
        const std::string listed =
            report.substr(section + heading.size(),
                          report.find("\r\n\r\n", section + 1) - section - heading.size() + 2);
        EXPECT_NE(listed.find(std::string("0x00000400 クラス「AcEdCommandLine」 タイトル「」 ") +
                              (shown ? "表示\r\n" : "非表示\r\n")),
                  std::string::npos)
            << listed;
        // The text window holds an edit control too, but typing there
        // is no use: it is no candidate.
        EXPECT_EQ(listed.find("0x00000200"), std::string::npos) << listed;
    }
    // Other faults have no such section.
    ReportWorld world;
    const auto processes = SurveyCadProcesses(world.desktop.Services(), u"acad");
    const Bytes report = CadWindowReportBytes(processes, FirstRunFindings{});
    EXPECT_EQ(report.find(EncodeAnsi(u"コマンド ラインの候補")), std::string::npos);
}

TEST(CadWindowReport, WithoutProcessesOrProposalItSaysSo) {
    const Bytes report = CadWindowReportBytes({}, FirstRunFindings{});
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'),
              std::count(report.begin(), report.end(), '\r'));
    EXPECT_NE(report.find(EncodeAnsi(u"CADと思われるプロセスは実行されていません。\r\n")),
              std::string::npos);
    EXPECT_NE(report.find(EncodeAnsi(u"（提案できる行はありません）\r\n")), std::string::npos);
}

TEST(CadWindowReport, TitlesStayOnOneLine) {
    const std::pair<Text, Text> cases[] = {
        {u"Command: LINE", u"Command: LINE"}, {u"a\r\nb", u"a\\r\\nb"},
        {u"tab\there", u"tab\\there"},        {Text(u"bell\x07") + u"\x1f", u"bell\\x07\\x1F"},
        {u"図面\\表", u"図面\\表"},
    };
    for (const auto& [title, line] : cases) {
        EXPECT_EQ(OnOneLine(title), line) << Utf8FromText(title);
    }
}

} // namespace
} // namespace vr

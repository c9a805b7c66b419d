// A first run against a CAD whose windows do not fit the settings: the
// stand-in in the shapes of later releases, under Wine.
#include "ToolBed.h"
#include "messages/FirstRunMessages.h"
#include "winsupport/win32/FileReader.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::DesktopState;
using test::ExpectDesktopPutBack;
using test::PrepareDesktop;
using test::StandinCad;
using test::ToolFolder;
using test::Wide;

const std::string kCommandClassLine = "CommandClass=AcEdCommandLine\r\n";

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The report as text, decoded from code page 932.
std::wstring ReportOf(const ToolFolder& tool) {
    const std::optional<std::string> bytes = ReadWholeFile(tool.folder.File(L"cadwindows.txt"));
    if (!bytes) {
        return L"";
    }
    const int length =
        MultiByteToWideChar(932, 0, bytes->data(), static_cast<int>(bytes->size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, bytes->data(), static_cast<int>(bytes->size()), text.data(),
                        length);
    return text;
}

// The message ends with the report's path, and the report is there.
void ExpectReportNamed(const test::ProcessRun& run, const ToolFolder& tool) {
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_TRUE(EndsWith(run.dialogs[0].text, tool.folder.File(L"cadwindows.txt")))
        << test::ToUtf8(run.dialogs[0].text);
    EXPECT_FALSE(ReportOf(tool).empty());
}

TEST(FirstRun, FloatingOrDockedCommandLineIsPastedIntoWithCommandClass) {
    const std::pair<const char*, std::wstring> shapes[] = {
        {"floating, untitled", L" --floating-command-line AcEdCommandLine"},
        {"floating, titled", L" --floating-command-line AcEdCommandLine --floating-title Cmd"},
        {"docked two levels deep", L" --docked-command-line AcEdCommandLine"},
    };
    for (const auto& [name, shape] : shapes) {
        SCOPED_TRACE(name);
        const ToolFolder tool(L"firstrun-class", L"pinmark", L"senten.txt", "node\r\n3,4\r\n");
        tool.folder.Write(L"ZuDuv.ini", std::string(test::kSettings) + kCommandClassLine);
        StandinCad cad(tool.folder, L"acad.exe", tool.Support() + shape);
        ASSERT_TRUE(cad.Ready());
        EXPECT_EQ(test::ClassName(cad.CommandArea()), L"AcEdCommandLine");
        const DesktopState before = PrepareDesktop();
        const test::ProcessRun run = tool.Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.dialogs.empty());
        const auto& journal = cad.Journal();
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"click\"", "\"window\":\"commandArea\""}))
            << journal.Dump();
        EXPECT_TRUE(journal.WaitFor({"\"event\":\"paste\"", "\"bytes\":14"})) << journal.Dump();
        EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":3,\"y\":4"}));
        ExpectDesktopPutBack(before, cad.Main());
        EXPECT_EQ(GetFileAttributesW(tool.folder.File(L"cadwindows.txt").c_str()),
                  INVALID_FILE_ATTRIBUTES);
    }
}

TEST(FirstRun, WithoutCommandClassTheRunStopsAndTheReportNamesTheClass) {
    const std::pair<const char*, std::wstring> shapes[] = {
        {"floating", L" --floating-command-line AcEdCommandLine"},
        {"docked", L" --docked-command-line AcEdCommandLine"},
    };
    for (const auto& [name, shape] : shapes) {
        SCOPED_TRACE(name);
        const ToolFolder tool(L"firstrun-noclass", L"pinmark", L"senten.txt", "node\r\n3,4\r\n");
        StandinCad cad(tool.folder, L"acad.exe", tool.Support() + shape);
        ASSERT_TRUE(cad.Ready());
        const DesktopState before = PrepareDesktop();
        const test::ProcessRun run = tool.Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::NoCad));
        ExpectReportNamed(run, tool);
        ASSERT_FALSE(run.dialogs.empty());
        const std::wstring& text = run.dialogs[0].text;
        EXPECT_EQ(text.rfind(L"CADのコマンド ラインが見つかりません", 0), 0u);
        EXPECT_NE(text.find(L"「（タイトルなし、クラス AcEdCommandLine）」"), std::wstring::npos);
        EXPECT_NE(text.find(L"\nCommandClass=AcEdCommandLine\n"), std::wstring::npos);
        const std::wstring report = ReportOf(tool);
        EXPECT_NE(report.find(L"プロセス acad.exe"), std::wstring::npos);
        EXPECT_NE(report.find(L"クラス「AcEdCommandLine」"), std::wstring::npos);
        // The candidate listed again, shown.
        const auto candidates = report.find(L"\r\nコマンド ラインの候補");
        ASSERT_NE(candidates, std::wstring::npos) << test::ToUtf8(report);
        EXPECT_NE(report.find(L" クラス「AcEdCommandLine」 タイトル「」 表示\r\n", candidates),
                  std::wstring::npos)
            << test::ToUtf8(report);
        EXPECT_TRUE(EndsWith(report, L"[Main]\r\nCommandClass=AcEdCommandLine\r\n"));
        EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 0u);
        EXPECT_EQ(cad.Journal().Count("\"event\":\"click\""), 0u);
        ExpectDesktopPutBack(before, cad.Main());
        EXPECT_EQ(test::ClipboardBytes(), std::optional<std::string>("the user's text"));
    }
}

TEST(FirstRun, AcadNameInTheWrongCaseNamesTheProcessAndTheLine) {
    const ToolFolder tool(L"firstrun-case", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    StandinCad cad(tool.folder, L"Acad.exe", tool.Support());
    ASSERT_TRUE(cad.Ready());
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::NoCad));
    ExpectReportNamed(run, tool);
    ASSERT_FALSE(run.dialogs.empty());
    EXPECT_EQ(run.dialogs[0].text,
              Wide(NoCadFoundFirstRunMessage(u"acad", {u"Acad.exe"}, {{u"ACADName", u"Acad"}},
                                             test::ReportIn(tool.folder))));
    EXPECT_NE(ReportOf(tool).find(L"プロセス Acad.exe"), std::wstring::npos);
    EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 0u);
}

TEST(FirstRun, LongerProductPrefixIsQuotedAndTheProposedLineWorks) {
    const ToolFolder tool(L"firstrun-prefix", L"pinmark", L"senten.txt", "node\r\n5,6\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --product-prefix Autodesk_");
    ASSERT_TRUE(cad.Ready());
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::NoCad));
    ExpectReportNamed(run, tool);
    ASSERT_FALSE(run.dialogs.empty());
    const std::wstring& text = run.dialogs[0].text;
    EXPECT_EQ(
        text.rfind(L"CAD（acad）のメインウィンドウが見つかりません。ZuDuv.ini の "
                   L"MainCaption「StandIn CAD 2024」で始まるタイトルのウィンドウがありません。",
                   0),
        0u);
    EXPECT_NE(text.find(L"「Autodesk_StandIn CAD 2024 - [Drawing1.dwg]」"), std::wstring::npos);
    EXPECT_NE(text.find(L"\nMainCaption=Autodesk_StandIn CAD 2024\n"), std::wstring::npos);

    // The line written as proposed, the next run draws.
    std::string settings = test::kSettings;
    const std::string old = "MainCaption=StandIn CAD 2024";
    settings.replace(settings.find(old), old.size(), "MainCaption=Autodesk_StandIn CAD 2024");
    tool.folder.Write(L"ZuDuv.ini", settings);
    const test::ProcessRun second = tool.Run();
    ASSERT_TRUE(second.exited);
    EXPECT_TRUE(second.dialogs.empty())
        << test::ToUtf8(second.dialogs.empty() ? std::wstring() : second.dialogs[0].text);
    EXPECT_TRUE(cad.Journal().WaitFor({"\"type\":\"POINT\"", "\"x\":5,\"y\":6"}));
}

TEST(FirstRun, WindowsWithoutAnyCaptionGiveTheMainWindowMessage) {
    const ToolFolder tool(L"firstrun-nocaptions", L"pinmark", L"senten.txt", "node\r\n1,1\r\n");
    StandinCad cad(tool.folder, L"acad.exe", tool.Support() + L" --no-captions");
    ASSERT_TRUE(cad.Ready());
    const DesktopState before = PrepareDesktop();
    const test::ProcessRun run = tool.Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::NoCad));
    ExpectReportNamed(run, tool);
    ASSERT_FALSE(run.dialogs.empty());
    EXPECT_EQ(run.dialogs[0].text.rfind(L"CAD（acad）のメインウィンドウが見つかりません。", 0), 0u);
    // The main window's title was not there to be quoted.
    EXPECT_EQ(run.dialogs[0].text.find(L"[Drawing1.dwg]"), std::wstring::npos);
    EXPECT_NE(ReportOf(tool).find(L"クラス「StandinCadMain」 タイトル「」"), std::wstring::npos);
    ExpectDesktopPutBack(before, cad.Main());
}

} // namespace
} // namespace vr

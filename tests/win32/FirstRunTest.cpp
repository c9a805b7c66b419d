// A first run against a CAD whose windows do not fit the settings: the
// stand-in in the shapes of later releases, under Wine.
#include "BuildPaths.h"
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

std::wstring FromCp932(const std::string& bytes) {
    const int length =
        MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

// The report as text, decoded from code page 932.
std::wstring ReportOf(const ToolFolder& tool) {
    const std::optional<std::string> bytes = ReadWholeFile(tool.folder.File(L"cadwindows.txt"));
    if (!bytes) {
        return L"";
    }
    return FromCp932(*bytes);
}

// The message ends with the report's path, and the report is there.
void ExpectReportNamed(const test::ProcessRun& run, const ToolFolder& tool) {
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_TRUE(EndsWith(run.dialogs[0].text, tool.folder.File(L"cadwindows.txt")))
        << test::ToUtf8(run.dialogs[0].text);
    EXPECT_FALSE(ReportOf(tool).empty());
}

std::string ToCp932(const std::wstring& text) {
    const int length = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                        nullptr, nullptr);
    return bytes;
}

// The key=value lines a message proposes: those between its "write these
// lines" sentence and the blank line before the report's path.
std::vector<std::wstring> ProposedLines(const std::wstring& message) {
    std::vector<std::wstring> lines;
    const std::wstring lead = L"ZuDuv.ini の [Main] で、";
    std::size_t at = message.find(lead);
    if (at == std::wstring::npos) {
        return lines;
    }
    at = message.find(L'\n', at);
    while (at != std::wstring::npos && at + 1 < message.size() && message[at + 1] != L'\n') {
        const std::size_t end = message.find(L'\n', at + 1);
        lines.push_back(message.substr(at + 1, end == std::wstring::npos ? end : end - at - 1));
        at = end;
    }
    return lines;
}

// The settings file edited as a user follows the message: a line of the
// same key in [Main] is replaced, a key the file lacks is added at the end
// of the section.
std::string WithLinesWritten(const std::string& ini, const std::vector<std::wstring>& lines) {
    std::wstring text = FromCp932(ini);
    for (const std::wstring& line : lines) {
        const std::wstring key = line.substr(0, line.find(L'=') + 1);
        const std::size_t existing = text.find(L"\r\n" + key);
        if (existing != std::wstring::npos) {
            const std::size_t end = text.find(L"\r\n", existing + 2);
            text.replace(existing + 2, end - existing - 2, line);
        } else {
            text += line + L"\r\n";
        }
    }
    return ToCp932(text);
}

// From the settings file as installed, against CADs shaped like the ones
// users run: the first run's one message proposes every line needed, and
// with those lines written in the next run draws.
TEST(FirstRun, ShippedSettingsWithTheProposedLinesWrittenInDraw) {
    struct Shape {
        const char* name;
        const wchar_t* exe;
        std::wstring options;
        std::vector<std::wstring> lines;
        const wchar_t* markedInReport;
    };
    const Shape shapes[] = {
        {"AutoCAD 2014 and later, an AutoCAD-based product titled by its own name",
         L"acad.exe",
         L" --main-caption \"Autodesk Civil 3D 2024\" --text-caption \"AutoCAD テキスト "
         L"ウィンドウ\" --docked-command-line AcEdCommandLine",
         {L"MainCaption=Autodesk Civil 3D 2024"},
         L"タイトル「Autodesk Civil 3D 2024 - [Drawing1.dwg]」"},
        {"AutoCAD LT 2014 and later, a floating command line",
         L"acadlt.exe",
         L" --main-caption \"Autodesk AutoCAD LT 2024\" --text-caption \"AutoCAD LT テキスト "
         L"ウィンドウ\" --floating-command-line AcEdCommandLine",
         {L"ACADName=acadlt"},
         L"プロセス acadlt.exe"},
        {"IJCAD: another program, title and command line",
         L"gcad.exe",
         L" --main-caption \"IJCAD 2024 STD\" --text-caption \"IJCAD テキスト ウィンドウ\" "
         L"--command-caption コマンドライン",
         {L"ACADName=gcad", L"MainCaption=IJCAD 2024 STD", L"CommandCaption=コマンドライン"},
         L"タイトル「コマンドライン」"},
    };
    const std::optional<std::string> shipped =
        ReadWholeFile(std::wstring(kDistDir) + L"\\zuduv.ini");
    ASSERT_TRUE(shipped);
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const ToolFolder tool(L"firstrun-shipped", L"pinmark", L"senten.txt", "node\r\n7,8\r\n");
        tool.folder.Write(L"ZuDuv.ini", *shipped);
        StandinCad cad(tool.folder, shape.exe, tool.Support() + shape.options);
        ASSERT_TRUE(cad.Ready());
        const DesktopState before = PrepareDesktop();
        const test::ProcessRun first = tool.Run();
        ASSERT_TRUE(first.exited);
        EXPECT_EQ(first.exitCode, test::ToolExitCode(StopKind::NoCad));
        ExpectReportNamed(first, tool);
        ASSERT_FALSE(first.dialogs.empty());
        const std::wstring& message = first.dialogs[0].text;
        EXPECT_EQ(ProposedLines(message), shape.lines) << test::ToUtf8(message);
        // Every thread's input-method window is no title a user means.
        EXPECT_EQ(message.find(L"Default IME"), std::wstring::npos) << test::ToUtf8(message);
        // The report marks where each proposal came from.
        const std::wstring report = ReportOf(tool);
        for (const std::wstring& line : shape.lines) {
            const std::wstring mark = L"  ← " + line.substr(0, line.find(L'=')) + L" の提案元";
            EXPECT_NE(report.find(mark), std::wstring::npos) << test::ToUtf8(report);
        }
        // The last line's mark stands on the window (or process) it quotes.
        const std::wstring& last = shape.lines.back();
        const std::size_t mark =
            report.find(L"  ← " + last.substr(0, last.find(L'=')) + L" の提案元\r\n");
        ASSERT_NE(mark, std::wstring::npos) << test::ToUtf8(report);
        const std::size_t lineStart = report.rfind(L"\r\n", mark) + 2;
        EXPECT_NE(report.substr(lineStart, mark - lineStart).find(shape.markedInReport),
                  std::wstring::npos)
            << test::ToUtf8(report);
        EXPECT_EQ(cad.Journal().Count("\"event\":\"click\""), 0u);
        ExpectDesktopPutBack(before, cad.Main());

        tool.folder.Write(L"ZuDuv.ini", WithLinesWritten(*shipped, shape.lines));
        const test::ProcessRun second = tool.Run();
        ASSERT_TRUE(second.exited);
        EXPECT_EQ(second.exitCode, 0u);
        EXPECT_TRUE(second.dialogs.empty())
            << test::ToUtf8(second.dialogs.empty() ? std::wstring() : second.dialogs[0].text);
        EXPECT_TRUE(cad.Journal().WaitFor({"\"type\":\"POINT\"", "\"x\":7,\"y\":8"}))
            << cad.Journal().Dump();
        EXPECT_EQ(cad.Journal().Count("\"event\":\"paste\""), 1u);
    }
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

// The real tool programs under Wine: delay.dat and its message, the settings
// file, and a tool installed at a drive root.
#include "ToolBed.h"
#include "Win32TestSupport.h"
#include "messages/ToolMessages.h"
#include "text/Utf8.h"
#include "winsupport/win32/FileReader.h"

#include <gtest/gtest.h>

#include <optional>

namespace vr {
namespace {

using test::ProcessRun;
using test::ScratchFolder;
using test::Wide;

const std::wstring kDelayMessage = Wide(kDelayFileMessage);

// One message box exactly as the tools show theirs: caption the tool's name,
// an OK button only, no icon.
void ExpectToolMessage(const test::DialogReport& dialog, const std::wstring& tool,
                       const std::wstring& text) {
    EXPECT_EQ(dialog.caption, tool);
    EXPECT_EQ(dialog.text, text) << test::ToUtf8(dialog.text);
    ASSERT_EQ(dialog.buttons.size(), 1u);
    EXPECT_EQ(dialog.buttons[0], L"OK");
    EXPECT_FALSE(dialog.hasIcon);
}

struct DelayCase {
    const char* name;
    std::optional<std::string> delayFile; // nullopt: no file
    bool message;
};

const DelayCase kDelayCases[] = {
    {"missing", std::nullopt, true},
    {"empty", "", true},
    {"text", "abc", true},
    {"tooLarge", "40000", true},
    {"negative", "-1", true},
    {"overflowsLongWait", "2731", true},
    // 0 would empty the clipboard before the CAD pastes; above 100 the
    // cursor would stay confined for minutes.
    {"zero", "0", true},
    {"aboveHundred", "101", true},
    {"hundred", "100", false},
    {"one", "1", false},
    {"ten", "10", false},
    {"blanksAndCrLf", " 7 \r\n", false},
    {"twoLines", "3\r\nabc\r\n", false},
    {"fullWidth", "\x82\x50\x82\x4f", false},
};

TEST(ToolStartup, PinmarkShowsTheDelayMessageOnceAndGoesOn) {
    for (const DelayCase& c : kDelayCases) {
        SCOPED_TRACE(c.name);
        const ScratchFolder folder(L"delay");
        folder.CopyTool(L"pinmark.exe");
        if (c.delayFile) {
            folder.Write(L"delay.dat", *c.delayFile);
        }
        folder.Write(L"senten.txt", "node\r\n1,2\r\n");
        const ProcessRun run = test::RunAndWatch(folder.File(L"pinmark.exe"));
        ASSERT_TRUE(run.exited);
        // The job runs after the delay message: with no settings file it
        // stops there and names the file.
        EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::Settings));
        ASSERT_EQ(run.dialogs.size(), c.message ? 2u : 1u);
        if (c.message) {
            ExpectToolMessage(run.dialogs[0], L"pinmark", kDelayMessage);
        }
        const std::wstring settingsPath = folder.File(L"ZuDuv.ini");
        ExpectToolMessage(
            run.dialogs.back(), L"pinmark",
            Wide(SettingsFileMissingMessage(Text(settingsPath.begin(), settingsPath.end()))));
    }
}

TEST(ToolStartup, EveryToolCaptionsItsMessageWithItsName) {
    for (const std::wstring tool : {L"pinmark", L"labelpen", L"gaugeread"}) {
        const ScratchFolder folder(L"caption");
        folder.CopyTool(tool + L".exe");
        const ProcessRun run = test::RunAndWatch(folder.File(tool + L".exe"), L"+1 12 5 book.xlsm");
        ASSERT_TRUE(run.exited);
        ASSERT_GE(run.dialogs.size(), 1u) << test::ToUtf8(tool);
        ExpectToolMessage(run.dialogs[0], tool, kDelayMessage);
        for (const auto& dialog : run.dialogs) {
            EXPECT_EQ(dialog.caption, tool);
        }
    }
}

TEST(ToolStartup, OverflowingSettingStopsTheJobAfterTheDelayMessage) {
    const ScratchFolder folder(L"overflow表");
    folder.CopyTool(L"pinmark.exe");
    folder.Write(L"zuduv.ini", "[Main]\r\nACADName=acad\r\nMainCmdCtrlID=99999999999\r\n");
    folder.Write(L"senten.txt", "node\r\n1,2\r\n");
    const ProcessRun run = test::RunAndWatch(folder.File(L"pinmark.exe"));
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::Settings));
    ASSERT_EQ(run.dialogs.size(), 2u);
    ExpectToolMessage(run.dialogs[0], L"pinmark", kDelayMessage);
    const std::wstring settingsPath = folder.File(L"ZuDuv.ini");
    ExpectToolMessage(run.dialogs[1], L"pinmark",
                      Wide(SettingOutOfRangeMessage(Text(settingsPath.begin(), settingsPath.end()),
                                                    u"Main", u"MainCmdCtrlID", u"99999999999")));
}

TEST(ToolStartup, ToolAtADriveRootFindsBothFiles) {
    // T: is mapped by the test bed to a folder of its own.
    const ScratchFolder root = ScratchFolder::At(L"T:\\");
    root.CopyTool(L"labelpen.exe");
    root.Write(L"delay.dat", "10\r\n");
    root.Write(L"ZuDuv.ini", "[Main]\r\nTextHistCtrlID=&H100000000\r\n");
    root.Write(L"mojidata.txt", "2.5 0\r\nA\r\n");
    const ProcessRun run = test::RunAndWatch(L"T:\\labelpen.exe");
    ASSERT_TRUE(run.exited);
    // No delay message: T:\\delay.dat was read. The settings message names
    // T:\ZuDuv.ini with a single backslash: that file was read too.
    ASSERT_EQ(run.dialogs.size(), 1u);
    ExpectToolMessage(run.dialogs[0], L"labelpen",
                      Wide(SettingOutOfRangeMessage(u"T:\\ZuDuv.ini", u"Main", u"TextHistCtrlID",
                                                    u"&H100000000")));
}

TEST(ToolStartup, GaugereadWritesItsRequestEvenWhenNoCadRuns) {
    const ScratchFolder folder(L"request");
    folder.CopyTool(L"gaugeread.exe");
    folder.Write(L"delay.dat", "5\r\n");
    folder.Write(L"ZuDuv.ini", "[Main]\r\nACADName=acad\r\nMainCmdCtrlID=1001\r\n");
    const ProcessRun run = test::RunAndWatch(folder.File(L"gaugeread.exe"), L"-3 1 1 C:\\b.xlsm");
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, test::ToolExitCode(StopKind::NoCad));
    ASSERT_EQ(run.dialogs.size(), 1u);
    ExpectToolMessage(run.dialogs[0], L"gaugeread",
                      Wide(NoCadFoundFirstRunMessage(u"acad", {}, {}, test::ReportIn(folder))));
    const std::optional<std::string> request = ReadWholeFile(folder.File(L"excel_fname.lsp"));
    ASSERT_TRUE(request);
    EXPECT_EQ(*request, "(setq expr \"-3\")\r\n(setq row \"1\")\r\n(setq col \"1\")\r\n"
                        "(setq excelfnam \"C:/b.xlsm\")\r\n");
}

} // namespace
} // namespace vr

// The folder the build assembles, read back as a user unpacks it, and the
// reserved programs it carries.
#include "BuildPaths.h"
#include "InstallPayload.h"
#include "SetupkitBed.h"
#include "platform/win32/Win32FileAccess.h"
#include "timing/DelayFactor.h"
#include "winsupport/win32/CodePage.h"
#include "winsupport/win32/FileReader.h"
#include "winsupport/win32/WideText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace vr::test {
namespace {

// The folder the build assembles is the one a user unpacks: setupkit and
// the whole payload beside it.
TEST(InstallationFolder, HoldsThePayloadBesideSetupkit) {
    const std::wstring dist = kDistDir;
    EXPECT_TRUE(ReadWholeFile(dist + L"\\setupkit.exe"));
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        const std::optional<std::string> bytes = ReadWholeFile(dist + L"\\" + PayloadName(i));
        ASSERT_TRUE(bytes) << ToUtf8(PayloadName(i));
        EXPECT_FALSE(bytes->empty()) << ToUtf8(PayloadName(i));
    }
    // delay.dat explains itself below its first line; the tools read 5.
    const std::optional<std::string> delay = ReadWholeFile(dist + L"\\delay.dat");
    ASSERT_TRUE(delay);
    EXPECT_EQ(delay->rfind("5\r\n", 0), 0u);
    EXPECT_GT(delay->size(), 3u);
    Win32FileAccess files;
    EXPECT_EQ(ReadDelayFactor(files, FromWide(dist)), 5);

    // The shipped settings, read as the tools read them: every key present,
    // the Japanese values intact in code page 932.
    const std::wstring iniPath = dist + L"\\zuduv.ini";
    const std::string ini = CodePageFromWide(FromWide(iniPath));
    const std::pair<const char*, std::wstring> keys[] = {
        {"ACADName", L"acad"},
        {"CommandCaption", Wide(u"コマンド ライン")},
        {"MainCaption", L"Autodesk AutoCAD"},
        {"TextCaption", Wide(u"AutoCAD テキスト ウィンドウ")},
        {"MainCmdCtrlID", L"0"},
        {"TextCmdCtrlID", L"0"},
        {"MainHistCtrlID", L"0"},
        {"TextHistCtrlID", L"0"},
        {"CommandClass", L"AcEdCommandLine"},
    };
    for (const auto& [key, expected] : keys) {
        char value[255] = {};
        const DWORD length =
            GetPrivateProfileStringA("Main", key, "???", value, sizeof value, ini.c_str());
        EXPECT_EQ(Wide(WideFromCodePage(std::string_view(value, length))), expected) << key;
    }
}

TEST(ReservedPrograms, SayTheyHaveNoFunctionInThisEdition) {
    for (const std::wstring name : {L"sheetbridge", L"drawpull", L"noticepop"}) {
        const ProcessRun run = RunAndWatch(std::wstring(kToolsDir) + L"\\" + name + L".exe");
        EXPECT_TRUE(run.exited);
        ASSERT_EQ(run.dialogs.size(), 1u) << ToUtf8(name);
        EXPECT_EQ(run.dialogs[0].caption, name);
        EXPECT_EQ(run.dialogs[0].text.rfind(name + Wide(u" はこの版では機能を持ちません。"), 0), 0u)
            << ToUtf8(run.dialogs[0].text);
    }
}

} // namespace
} // namespace vr::test

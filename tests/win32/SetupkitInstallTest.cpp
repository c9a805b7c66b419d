// setupkit under Wine installing, driven as a user would: its form, the
// shell's folder browser, the message boxes, and the guide opened through
// the .pdf file type, which the test bed hands to a recorder program.
#include "BuildPaths.h"
#include "InstallPayload.h"
#include "SetupkitBed.h"
#include "ToolBed.h"
#include "winsupport/win32/FileReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vr::test {
namespace {

TEST(Setupkit, InstallsIntoAnEmptyFolderAndOpensTheInstalledGuide) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder target(L"setupkit-target");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    const ProcessRun run = setupkit.InstallInto(target.Path());
    ExpectCompletionOnly(run);
    ExpectPayloadInstalled(target.Path());
    EXPECT_EQ(FilesIn(target.Path()).size(), 19u);
    EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
}

TEST(Setupkit, ReplacesOlderCopiesAndLeavesOtherFilesAlone) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder target(L"setupkit-older");
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        target.Write(PayloadName(i), PayloadBytes(i, "older, and longer than the new one"));
    }
    target.Write(L"senten.txt", "node\r\n1,2\r\n");
    target.Write(L"ZuDuv.ini.bak", "[Main]\r\n");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    ExpectPayloadInstalled(target.Path());
    EXPECT_EQ(ReadWholeFile(target.File(L"senten.txt")), "node\r\n1,2\r\n");
    EXPECT_EQ(ReadWholeFile(target.File(L"ZuDuv.ini.bak")), "[Main]\r\n");
    EXPECT_EQ(FilesIn(target.Path()).size(), 21u);
    EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
}

// Second bytes of 0x5C (表, ソ, 能) in both folders, through the ANSI browser.
TEST(Setupkit, InstallsBetweenFoldersWithJapaneseNames) {
    GuideRecorder guide;
    const ScratchFolder distribution(Wide(u"配布表ソ"));
    LayOutDistribution(distribution);
    const ScratchFolder target(Wide(u"インストール先能"));
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    ExpectPayloadInstalled(target.Path());
    EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
}

TEST(Setupkit, InstallsIntoADriveRoot) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder root = ScratchFolder::At(L"T:\\");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(L"T:\\"));
    ExpectPayloadInstalled(L"T:");
    EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(L"T:\\setupguide.pdf"));
}

TEST(Setupkit, RunsFromADriveRoot) {
    GuideRecorder guide;
    const ScratchFolder root = ScratchFolder::At(L"T:\\");
    LayOutDistribution(root);
    const ScratchFolder target(L"setupkit-from-root");
    const Setupkit setupkit(root);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    ExpectPayloadInstalled(target.Path());
}

TEST(Setupkit, StopsAtAMissingFileAndKeepsWhatWasCopied) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution, 6); // gaugeread.exe
    const ScratchFolder target(L"setupkit-partial");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    const ProcessRun run = setupkit.InstallInto(target.Path());
    EXPECT_TRUE(run.exited);
    ASSERT_EQ(run.dialogs.size(), 1u);
    const DialogReport& error = run.dialogs[0];
    EXPECT_EQ(error.caption, L"setupkit");
    EXPECT_EQ(error.buttons, std::vector<std::wstring>{L"OK"});
    for (const std::wstring& part :
         {Wide(u"ファイル「gaugeread.exe」をコピーできませんでした。"), Wide(u"（エラー 2）"),
          Wide(u"コピー元: ") + distribution.File(L"gaugeread.exe"),
          Wide(u"コピー先: ") + target.File(L"gaugeread.exe")}) {
        EXPECT_NE(error.text.find(part), std::wstring::npos) << ToUtf8(error.text);
    }
    std::set<std::wstring> expected;
    for (std::size_t i = 0; i < 6; ++i) {
        expected.insert(PayloadName(i));
        EXPECT_EQ(ReadWholeFile(target.File(PayloadName(i))), PayloadBytes(i, "new"));
    }
    const std::vector<std::wstring> present = FilesIn(target.Path());
    EXPECT_EQ(std::set<std::wstring>(present.begin(), present.end()), expected);
    EXPECT_EQ(guide.Opened(500), "");
}

// Also at a drive root, where the installer's folder is spelled "T:\".
TEST(Setupkit, RefusesItsOwnFolder) {
    GuideRecorder guide;
    for (const bool atRoot : {false, true}) {
        const ScratchFolder distribution =
            atRoot ? ScratchFolder::At(L"T:\\") : ScratchFolder(L"setupkit-dist");
        LayOutDistribution(distribution);
        distribution.Write(L"zuduv.ini", "[Main]\r\nACADName=edited by the user\r\n");
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);

        const ProcessRun run = setupkit.InstallInto(atRoot ? L"T:\\" : distribution.Path());
        EXPECT_TRUE(run.exited);
        ASSERT_EQ(run.dialogs.size(), 1u) << atRoot;
        EXPECT_NE(run.dialogs[0].text.find(Wide(u"このインストーラーのあるフォルダーです")),
                  std::wstring::npos);
        EXPECT_EQ(ReadWholeFile(distribution.File(L"zuduv.ini")),
                  "[Main]\r\nACADName=edited by the user\r\n");
    }
    EXPECT_EQ(guide.Opened(500), "");
}

// The folder the build assembles, installed by its own setupkit, is a working
// installation: with the shipped zuduv.ini, pinmark draws and gaugeread's
// request reaches the installed qv.lsp in a CAD whose executable and
// captions are those of Japanese AutoCAD.
TEST(Setupkit, InstallsTheBuiltFolderWhoseToolsThenRun) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-built");
    for (const std::wstring& name : FilesIn(kDistDir)) {
        const std::wstring source = std::wstring(kDistDir) + L"\\" + name;
        ASSERT_TRUE(CopyFileW(source.c_str(), distribution.File(name).c_str(), FALSE));
    }
    const ScratchFolder target(Wide(u"Excel連携"));
    {
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);
        ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    }
    EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        EXPECT_EQ(ReadWholeFile(target.File(PayloadName(i))),
                  ReadWholeFile(distribution.File(PayloadName(i))));
    }

    const ScratchFolder cadFolder(L"setupkit-cad");
    // Titled as AutoCAD 2014 and later are, which the shipped MainCaption
    // "Autodesk AutoCAD" is the beginning of.
    StandinCad cad(cadFolder, L"acad.exe",
                   L"--product-prefix \"Autodesk \" --main-caption \"AutoCAD 2024\" "
                   L"--text-caption \"" +
                       Wide(u"AutoCAD テキスト ウィンドウ") + L"\" --command-caption \"" +
                       Wide(u"コマンド ライン") + L"\" --support \"" + target.Path() +
                       L"\" --workbook C:\\data\\bridge.xlsm --picks 50,0;enter");
    ASSERT_TRUE(cad.Ready());
    target.Write(L"senten.txt", "line\r\n0,0\r\n100,0\r\n100,50\r\n");
    const DesktopState before = PrepareDesktop();
    const ProcessRun pinmark = RunAndWatch(target.File(L"pinmark.exe"), L"", 30000);
    EXPECT_TRUE(pinmark.exited);
    EXPECT_TRUE(pinmark.dialogs.empty());
    const JournalFile& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"LINE\"", "\"x2\":100,\"y2\":50"})) << journal.Dump();
    EXPECT_EQ(journal.Count("\"type\":\"LINE\""), 2u);
    ExpectDesktopPutBack(before, cad.Main());

    // The installed routines find their shared functions and the request in
    // the installed folder, reach the workbook and ask for a pick: the line
    // pinmark drew is no value, Enter ends it.
    const ProcessRun gaugeread =
        RunAndWatch(target.File(L"gaugeread.exe"), L"+1 12 5 C:\\data\\bridge.xlsm", 30000);
    EXPECT_TRUE(gaugeread.dialogs.empty());
    EXPECT_TRUE(journal.WaitFor(
        {"{\"event\":\"print\",\"text\":\"\\n選んだ図形は寸法でも文字でもありません（LINE）。"}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor(
        {"{\"event\":\"print\",\"text\":\"\\n0 個の値を Excel に直接書き込みました。"}));
}

} // namespace
} // namespace vr::test

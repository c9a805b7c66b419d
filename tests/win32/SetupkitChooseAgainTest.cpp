// setupkit sends the user back to the folder browser when the chosen folder
// is its own, or is the Desktop and the user does not confirm it; a cancel
// in the browser still ends it without a word, at any round. Driven as a
// user would: the browser's tree and OK, the boxes' buttons and Enter.
#include "BuildPaths.h"
#include "SetupMessages.h"
#include "SetupkitBed.h"
#include "winsupport/win32/FileReader.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace vr::test {
namespace {

std::u16string Utf16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

// The question about the Desktop as the user sees it: a warning with Yes
// and No, and No the default button.
void ExpectDesktopQuestion(HWND box, const std::wstring& folder) {
    const DialogReport report = ReadMessageBox(box);
    EXPECT_EQ(report.caption, L"setupkit");
    EXPECT_EQ(report.text, Wide(setup::DesktopQuestion(Utf16(folder)))) << ToUtf8(report.text);
    EXPECT_TRUE(report.hasIcon);
    EXPECT_EQ(report.buttons.size(), 2u);
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDOK), nullptr);
    const HWND no = GetDlgItem(box, IDNO);
    ASSERT_NE(no, nullptr);
    EXPECT_EQ(GetWindowLongW(no, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

void ExpectEmpty(const std::wstring& folder) {
    const std::vector<std::wstring> files = FilesIn(folder);
    EXPECT_TRUE(files.empty()) << ToUtf8(folder) << ": " << files.size() << " files";
}

std::wstring CommonDesktop() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// The browser opens on the Desktop: OK at once asks first. No (or Enter,
// the default) opens the browser again; Yes installs onto the Desktop.
TEST(Setupkit, AsksBeforeInstallingOntoTheDesktop) {
    enum class Answer { No, Enter, Yes };
    struct Case {
        const char* name;
        Answer answer;
        bool thenAnotherFolder; // after No: a folder chosen, else cancel
    };
    const Case cases[] = {
        {"No, then cancel", Answer::No, false},
        {"Enter, then another folder", Answer::Enter, true},
        {"Yes", Answer::Yes, false},
    };
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GuideRecorder guide;
        const ScratchFolder desktop(L"setupkit-desktop");
        const RedirectedDesktop redirected(desktop.Path());
        const ScratchFolder target(L"setupkit-target");
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);

        const HWND browser = setupkit.BrowserOnce();
        ASSERT_NE(browser, nullptr);
        ASSERT_TRUE(setupkit.ConfirmAtOnce(browser));
        const HWND question = setupkit.WaitForBox();
        ASSERT_NE(question, nullptr) << "no question";
        ExpectDesktopQuestion(question, desktop.Path());
        if (c.answer == Answer::No) {
            SaveBitmap(question, std::wstring(kBuildDir) + L"\\setupkit-desktop-question.bmp");
        }
        ASSERT_TRUE(c.answer == Answer::Yes     ? PressButton(question, IDYES)
                    : c.answer == Answer::Enter ? PressEnter(question)
                                                : PressButton(question, IDNO));

        if (c.answer == Answer::Yes) {
            ExpectCompletionOnly(setupkit.Watch());
            ExpectPayloadInstalled(desktop.Path());
            EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(desktop.File(L"setupguide.pdf")));
            continue;
        }
        const HWND again = setupkit.WaitForBrowser();
        ASSERT_NE(again, nullptr) << "the browser did not open again";
        if (c.thenAnotherFolder) {
            ASSERT_TRUE(setupkit.Choose(again, target.Path()));
            ExpectCompletionOnly(setupkit.Watch());
            ExpectPayloadInstalled(target.Path());
            EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
        } else {
            ASSERT_TRUE(PressButton(again, IDCANCEL));
            const ProcessRun run = setupkit.Watch();
            EXPECT_TRUE(run.exited);
            EXPECT_TRUE(run.dialogs.empty());
            ExpectEmpty(target.Path());
            EXPECT_EQ(guide.Opened(500), "");
        }
        ExpectEmpty(desktop.Path());
    }
}

// The Desktop is known as the folder Windows reports, however the user
// reaches it and however the report spells it, and the Desktop all users
// share counts too; a folder on the Desktop is no Desktop.
TEST(Setupkit, KnowsTheDesktopHoweverItIsReached) {
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder desktop(L"setupkit-desktop");
    // Windows may report the Desktop in other letter case and with a
    // trailing backslash; the browser returns the spelling of the disk.
    std::wstring reported = desktop.Path() + L"\\";
    CharUpperW(reported.data());
    const RedirectedDesktop redirected(reported);
    for (const std::wstring& folder : {desktop.Path(), CommonDesktop()}) {
        SCOPED_TRACE(ToUtf8(folder));
        const std::vector<std::wstring> before = FilesIn(folder);
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);
        const HWND browser = setupkit.BrowserOnce();
        ASSERT_NE(browser, nullptr);
        ASSERT_TRUE(setupkit.Choose(browser, folder));
        const HWND question = setupkit.WaitForBox();
        ASSERT_NE(question, nullptr) << "no question";
        const DialogReport report = ReadMessageBox(question);
        EXPECT_NE(report.text.find(Wide(u"」はデスクトップです。")), std::wstring::npos)
            << ToUtf8(report.text);
        ASSERT_TRUE(PressButton(question, IDNO));
        const HWND again = setupkit.WaitForBrowser();
        ASSERT_NE(again, nullptr);
        ASSERT_TRUE(PressButton(again, IDCANCEL));
        const ProcessRun run = setupkit.Watch();
        EXPECT_TRUE(run.exited);
        EXPECT_TRUE(run.dialogs.empty());
        EXPECT_EQ(FilesIn(folder), before);
    }

    GuideRecorder guide;
    const ScratchFolder onTheDesktop = ScratchFolder::At(desktop.File(L"ExcelCAD"));
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);
    ExpectCompletionOnly(setupkit.InstallInto(onTheDesktop.Path()));
    ExpectPayloadInstalled(onTheDesktop.Path());
}

// The installer's own folder: its message (OK, no icon), then the browser
// again, where a cancel ends without a word and another folder installs.
// Also when the installer was unpacked onto the Desktop itself and OK is
// pressed at once: the folder is the installer's own, nothing is asked.
TEST(Setupkit, ReturnsToTheBrowserAfterItsOwnFolder) {
    struct Case {
        const char* name;
        bool atRoot;
        bool onTheDesktop;
        bool thenAnotherFolder;
    };
    const Case cases[] = {
        {"own folder, then cancel", false, false, false},
        {"own folder at a drive root, then another folder", true, false, true},
        {"own folder on the Desktop, at once, then another folder", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GuideRecorder guide;
        const ScratchFolder distribution =
            c.atRoot ? ScratchFolder::At(L"T:\\") : ScratchFolder(L"setupkit-dist");
        LayOutDistribution(distribution);
        const std::string edited = "[Main]\r\nACADName=edited by the user\r\n";
        distribution.Write(L"zuduv.ini", edited);
        std::optional<RedirectedDesktop> redirected;
        if (c.onTheDesktop) {
            redirected.emplace(distribution.Path());
        }
        const ScratchFolder target(L"setupkit-target");
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);

        const HWND browser = setupkit.BrowserOnce();
        ASSERT_NE(browser, nullptr);
        ASSERT_TRUE(c.onTheDesktop
                        ? setupkit.ConfirmAtOnce(browser)
                        : setupkit.Choose(browser, c.atRoot ? L"T:\\" : distribution.Path()));
        const HWND box = setupkit.WaitForBox();
        ASSERT_NE(box, nullptr);
        const DialogReport report = ReadMessageBox(box);
        EXPECT_EQ(report.caption, L"setupkit");
        EXPECT_NE(report.text.find(Wide(u"」は、このインストーラーのあるフォルダーです。")),
                  std::wstring::npos)
            << ToUtf8(report.text);
        EXPECT_NE(report.text.find(Wide(u"OK を押すとフォルダーの選択に戻ります。")),
                  std::wstring::npos);
        EXPECT_EQ(report.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_FALSE(report.hasIcon);
        if (!c.atRoot && !c.onTheDesktop) {
            SaveBitmap(box, std::wstring(kBuildDir) + L"\\setupkit-own-folder.bmp");
        }
        ASSERT_TRUE(PressOk(box, 5000));

        const HWND again = setupkit.WaitForBrowser();
        ASSERT_NE(again, nullptr) << "the browser did not open again";
        if (c.thenAnotherFolder) {
            ASSERT_TRUE(setupkit.Choose(again, target.Path()));
            ExpectCompletionOnly(setupkit.Watch());
            EXPECT_EQ(FilesIn(target.Path()).size(), 19u);
            EXPECT_EQ(ReadWholeFile(target.File(L"zuduv.ini")), edited);
            EXPECT_EQ(guide.Opened(kSetupkitWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
        } else {
            ASSERT_TRUE(PressButton(again, IDCANCEL));
            const ProcessRun run = setupkit.Watch();
            EXPECT_TRUE(run.exited);
            EXPECT_TRUE(run.dialogs.empty());
            ExpectEmpty(target.Path());
            EXPECT_EQ(guide.Opened(500), "");
        }
        EXPECT_EQ(ReadWholeFile(distribution.File(L"zuduv.ini")), edited);
    }
}

} // namespace
} // namespace vr::test

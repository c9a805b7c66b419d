// Every way out of setupkit ends it at once and without a word: the
// browser's cancel, Command2 (also during the copies), the close box, and a
// quit sent to its thread from outside.
#include "Form1.h"
#include "SetupkitBed.h"
#include "winsupport/win32/FileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vr::test {
namespace {

// Leaving without installing: cancel in the browser, Command2, the close box.
TEST(Setupkit, EndsWithoutAWordWhenTheUserLeaves) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const std::size_t filesBefore = FilesIn(distribution.Path()).size();
    enum class Leave { BrowserCancel, Command2, CloseBox };
    for (const Leave leave : {Leave::BrowserCancel, Leave::Command2, Leave::CloseBox}) {
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);
        if (leave == Leave::BrowserCancel) {
            const HWND browser = setupkit.BrowserOnce();
            ASSERT_NE(browser, nullptr);
            PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(browser, IDCANCEL)));
        } else if (leave == Leave::Command2) {
            setupkit.Press(setup::kCommand2);
        } else {
            PostMessageW(setupkit.Form(), WM_CLOSE, 0, 0);
        }
        const ProcessRun run = setupkit.Watch();
        EXPECT_TRUE(run.exited) << static_cast<int>(leave);
        EXPECT_TRUE(run.dialogs.empty()) << static_cast<int>(leave);
    }
    EXPECT_EQ(FilesIn(distribution.Path()).size(), filesBefore);
    EXPECT_EQ(guide.Opened(500), "");
}

// The window keeps answering during the copies: Command2 pressed while a
// large first file is being copied ends the program after that copy.
TEST(Setupkit, Command2DuringTheCopiesEndsAtOnce) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const std::string large(std::size_t{128} << 20, 'x');
    distribution.Write(PayloadName(0), large);
    const ScratchFolder target(L"setupkit-cancelled");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    const ProcessRun run = setupkit.InstallInto(target.Path(), true);
    EXPECT_TRUE(run.exited);
    EXPECT_TRUE(run.dialogs.empty());
    const std::vector<std::wstring> present = FilesIn(target.Path());
    EXPECT_GE(present.size(), 1u);
    EXPECT_LT(present.size(), 19u);
    EXPECT_EQ(ReadWholeFile(target.File(PayloadName(0))).value_or("").size(), large.size());
    EXPECT_EQ(guide.Opened(500), "");
}

// The message loop ends only when the thread is told to quit from outside;
// the program then ends with the code it was given.
TEST(Setupkit, EndsWithTheCodeOfAQuitSentToItsThread) {
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    for (const WPARAM code : {WPARAM{0}, WPARAM{7}}) {
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);
        ASSERT_TRUE(PostThreadMessageW(setupkit.ThreadId(), WM_QUIT, code, 0));
        const ProcessRun run = setupkit.Watch();
        EXPECT_TRUE(run.exited) << code;
        EXPECT_EQ(run.exitCode, code);
        EXPECT_TRUE(run.dialogs.empty()) << code;
    }
}

} // namespace
} // namespace vr::test

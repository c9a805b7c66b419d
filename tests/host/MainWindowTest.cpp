#include "JobWorld.h"
#include "TestText.h"
#include "messages/WindowMessages.h"
#include "window/MainWindowLayout.h"
#include "window/MainWindowOperations.h"
#include "window/ReadControlText.h"
#include "winsupport/core/Twips.h"

#include <gtest/gtest.h>

#include <set>

namespace vr {
namespace {

using test::JobWorld;

TEST(MainWindow, CopyDataCountsEveryByte) {
    const std::pair<Text, std::size_t> cases[] = {
        {u"", 2}, {u"ABC", 5}, {u"表", 4}, {u"ABC表ソ", 9}, {u"ｱ", 3},
    };
    for (const auto& [text, bytes] : cases) {
        const Bytes payload = CopyDataPayload(text);
        EXPECT_EQ(payload.size(), bytes) << Utf8FromText(text);
        EXPECT_EQ(payload.substr(payload.size() - 2), Bytes("\r\0", 2));
    }
}

TEST(MainWindow, TwipsBecomePixelsAtTheWindowsDpi) {
    struct Case {
        int twips, at96, at144;
    };
    const Case cases[] = {
        {4695, 313, 470}, {300, 20, 30}, {720, 48, 72}, {2025, 135, 203},
        {4740, 316, 474}, {15, 1, 2},    {0, 0, 0},     {1000, 67, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwipsToPixelsInt(c.twips, 96), c.at96) << c.twips;
        EXPECT_EQ(TwipsToPixelsInt(c.twips, 144), c.at144) << c.twips;
    }
    EXPECT_EQ(PixelsToTwipsInt(316, 96), 4740);
    EXPECT_EQ(PixelsToTwipsInt(474, 144), 4740);
}

TEST(MainWindow, WidthsFollowTheClientWidthAndNeverGoNegative) {
    const std::pair<int, MainWindowWidths> cases[] = {
        {4740, {4740, 4020, 4020}}, {5740, {5740, 5020, 5020}}, // 1000 wider: each 1000 wider
        {720, {720, 0, 0}},         {500, {500, 0, 0}},         {0, {0, 0, 0}}, {-30, {0, 0, 0}},
    };
    for (const auto& [width, widths] : cases) {
        EXPECT_EQ(LayoutMainWindow(width), widths) << width;
    }
}

TEST(MainWindow, LabelsWidenToTheirTextButNotIntoTheBoxes) {
    const ControlDesign& label2 = kMainWindowControls[1]; // ｺﾏﾝﾄﾞ, left 0, 615 wide
    const ControlDesign& label3 = kMainWindowControls[3]; // 入力値, left 120, 495 wide
    ASSERT_EQ(std::string(label2.name), "Label2");
    ASSERT_EQ(std::string(label3.name), "Label3");
    const struct {
        const ControlDesign& label;
        int text;
        int width;
    } cases[] = {
        {label3, 300, 495},                     // fits: the designed width
        {label3, 495, 495}, {label3, 540, 540}, // 入力値 at 9 pt: three 12-pixel characters
        {label3, 900, 600},                     // stops at the boxes' left edge, 720
        {label2, 400, 615}, {label2, 700, 700}, {label2, 800, 720}, {label3, -5, 495},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LabelWidthTwips(c.label, c.text), c.width) << c.label.name << " " << c.text;
    }
}

TEST(MainWindow, ControlTableKeepsItsTabOrder) {
    std::set<int> orders;
    for (const ControlDesign& control : kMainWindowControls) {
        orders.insert(control.tabOrder);
    }
    EXPECT_EQ(orders, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(MainWindow, ReadControlTextGivesOneSpaceWithoutAControl) {
    JobWorld world;
    auto& desktop = world.fake.desktop;
    EXPECT_EQ(ReadControlText(desktop, JobWorld::kMainCommand, 1001), u"Command: LINE");
    EXPECT_EQ(ReadControlText(desktop, JobWorld::kMainCommand, 9999), u" ");
    EXPECT_EQ(ReadControlText(desktop, 0, 1001), u" ");
    desktop.failures["SendMessageTimeoutA"] = -1; // a CAD that does not answer
    EXPECT_EQ(ReadControlText(desktop, JobWorld::kMainCommand, 1001), u" ");
}

struct WindowWorld : JobWorld {
    WindowWorld() {
        EXPECT_TRUE(LoadSettingsStep(run).ok());
        run.window.CadSearch();
        fake.desktop.calls.clear();
    }
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const auto& call : fake.desktop.calls) {
            if (call.rfind("Send", 0) == 0 || call.rfind("Post", 0) == 0 ||
                call.rfind("MessageBox", 0) == 0 || call.rfind("GetClipboardText", 0) == 0) {
                sent.push_back(call);
            }
        }
        return sent;
    }
};

TEST(MainWindowOperations, PutSendsTheLineThenPostsThenGets) {
    WindowWorld world;
    world.run.window.Put(u"ABC");
    EXPECT_EQ(world.Sent(), (std::vector<std::string>{
                                std::string("SendCopyDataA(0x100,1,5,ABC<CR>") + '\0' + ")",
                                "PostMessageA(0x100,0,0,0)",
                                "SendMessageTimeoutA(0x111,14,2000)",
                                "SendMessageTimeoutA(0x111,13,2000)",
                            }));
    EXPECT_EQ(world.fake.mainWindow.txtGet, u"Command: LINE");
}

TEST(MainWindowOperations, HistoriesShowWhatTheCadGives) {
    WindowWorld world;
    world.fake.desktop.windows[JobWorld::kText].text = "Command: LINE\r\n";
    world.run.window.History1();
    world.run.window.History2();
    EXPECT_EQ(world.fake.mainWindow.history, (std::vector<Text>{u"Command: LINE\r\n", u"history"}));
    EXPECT_EQ(world.Sent().front(), "SendMessageA(0x200,273,32781,0)");
}

TEST(MainWindowOperations, History1WithoutTextOnTheClipboardSaysSo) {
    WindowWorld world; // the CAD does not answer 32781: nothing on the clipboard
    world.run.window.History1();
    ASSERT_EQ(world.fake.messages.shown.size(), 1u);
    EXPECT_EQ(world.fake.messages.shown[0].text, kNotTextMessage);
    EXPECT_TRUE(world.fake.mainWindow.history.empty());
}

TEST(MainWindowOperations, History2WithoutATextWindowShowsOneSpace) {
    JobWorld world;
    world.fake.desktop.threadWindows[40] = {JobWorld::kMain};
    EXPECT_TRUE(LoadSettingsStep(world.run).ok());
    world.run.window.History2();
    // No text window was found: its command area is null, its text one space.
    EXPECT_EQ(world.fake.mainWindow.history, std::vector<Text>{u" "});
}

TEST(MainWindowOperations, NothingSelectedIsReportedAndNothingSent) {
    const std::function<void(MainWindowOperations&)> operations[] = {
        &MainWindowOperations::Get, [](MainWindowOperations& w) { w.Put(u"ABC"); },
        &MainWindowOperations::History1, &MainWindowOperations::History2};
    for (const auto& operation : operations) {
        JobWorld world;
        world.fake.desktop.processes.pop_back();
        EXPECT_TRUE(LoadSettingsStep(world.run).ok());
        world.run.window.CadSearch();
        world.fake.desktop.calls.clear();
        operation(world.run.window);
        ASSERT_EQ(world.fake.messages.shown.size(), 1u);
        EXPECT_EQ(world.fake.messages.shown[0].text, kNoCadSelectedMessage);
        EXPECT_EQ(world.fake.desktop.calls, std::vector<std::string>{"MessageBox(pinmark)"});
    }
}

} // namespace
} // namespace vr

// The stand-in CAD under Wine, driven as the tools and a user drive a CAD.
#include "StandinDriver.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::ScratchFolder;
using test::StandinCad;

std::wstring SupportArgument(const ScratchFolder& folder) {
    return L"--support \"" + folder.Path() + L"\"";
}

POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST(StandinCad, PastedLoadCommandRunsAFileFromASupportFolder) {
    const ScratchFolder folder(L"standin-paste");
    folder.Write(L"x.lsp", test::Cp932(u"(entmake '((0 . \"POINT\")(10 1 2 0)))\r\n"
                                       u"(entmake '((0 . \"LINE\")(10 0 0)(11 5 5)))\r\n"));
    StandinCad cad(folder, L"acad.exe", SupportArgument(folder));
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(test::SetClipboardBytes("\x1b(load \"x\")\r\n"));
    SetForegroundWindow(cad.Main());
    test::ClickAt(CentreOf(cad.CommandArea()));
    // As a user does: the paste follows once the click has been taken.
    ASSERT_TRUE(cad.Journal().WaitFor({"\"event\":\"click\"", "\"commandArea\""}));
    // Activation settles first: Wine takes the key state from X when the
    // window gets the focus, which would drop a Ctrl pressed at that moment.
    Sleep(150);
    test::PressCtrlV();

    const auto& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"event\":\"click\"", "\"commandArea\""}));
    EXPECT_TRUE(journal.WaitFor(
        {"{\"event\":\"paste\",\"text\":\"\\u001b(load \\\"x\\\")\\r\\n\",\"bytes\":13"}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"{\"event\":\"execute\",\"line\":\"(load \\\"x\\\")\""}));
    EXPECT_TRUE(journal.WaitFor({"\"event\":\"load\"", "\"name\":\"x\"", "x.lsp"}));
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"POINT\"", "\"x\":1,\"y\":2,\"z\":0"}));
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"LINE\"", "\"x2\":5,\"y2\":5"}));
    EXPECT_TRUE(journal.WaitFor({"\"event\":\"key\",\"vk\":86,\"down\":true", "\"ctrl\":true"}));
    EXPECT_EQ(journal.Count("\"event\":\"error\""), 0u);
}

// As in the CAD, the activated window's drawing has the keys: Ctrl+V there
// pastes the clipboard into the drawing as an object, and the command line
// gets nothing.
TEST(StandinCad, CtrlVWithoutAClickPastesIntoTheDrawing) {
    const ScratchFolder folder(L"standin-pasteclip");
    folder.Write(L"x.lsp", "(entmake '((0 . \"POINT\")(10 1 2 0)))\r\n");
    StandinCad cad(folder, L"acad.exe", SupportArgument(folder));
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(test::SetClipboardBytes("\x1b(load \"x\")\r\n"));
    SetForegroundWindow(cad.Main());
    const auto& journal = cad.Journal();
    ASSERT_TRUE(journal.WaitFor({"\"event\":\"focus\",\"window\":\"drawing\""})) << journal.Dump();
    Sleep(150);
    test::PressCtrlV();
    EXPECT_TRUE(
        journal.WaitFor({"{\"event\":\"pasteclip\",\"text\":\"\\u001b(load \\\"x\\\")\\r\\n\""}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"MTEXT\"", "(load \\\"x\\\")"})) << journal.Dump();
    Sleep(200);
    EXPECT_EQ(journal.Count("\"event\":\"paste\","), 0u);
    EXPECT_EQ(journal.Count("\"event\":\"execute\""), 0u);
    EXPECT_EQ(journal.Count("\"event\":\"load\""), 0u);
    EXPECT_EQ(journal.Count("\"type\":\"POINT\""), 0u);
}

TEST(StandinCad, ReadErrorStopsTheLoadAtThatForm) {
    const ScratchFolder folder(L"standin-readerror");
    folder.Write(L"bad.lsp", test::Cp932(u"(entmake '((0 . \"POINT\")(10 1 1 0)))\r\n"
                                         u"(setq s \"open)\r\n"
                                         u"(entmake '((0 . \"POINT\")(10 2 2 0)))\r\n"));
    StandinCad cad(folder, L"acad.exe", SupportArgument(folder));
    ASSERT_TRUE(cad.Ready());
    test::SendCopyData(cad.Main(), "(load \"bad\")");
    const auto& journal = cad.Journal();
    ASSERT_TRUE(journal.WaitFor({"\"event\":\"error\"", "malformed string on input"}));
    EXPECT_EQ(journal.Count("\"event\":\"entity\""), 1u);
}

TEST(StandinCad, CopyDataIsCommandLineInput) {
    const ScratchFolder folder(L"standin-copydata");
    StandinCad cad(folder, L"acad.exe", L"");
    ASSERT_TRUE(cad.Ready());
    test::SendCopyData(cad.Main(), "ABC");
    const auto& journal = cad.Journal();
    EXPECT_TRUE(
        journal.WaitFor({"{\"event\":\"copydata\",\"dwData\":1,\"bytes\":5,\"text\":\"ABC\\r\""}));
    EXPECT_TRUE(journal.WaitFor({"{\"event\":\"execute\",\"line\":\"ABC\""}));
    EXPECT_TRUE(journal.WaitFor({"\"event\":\"error\"", "Unknown command \\\"ABC\\\""}));

    // Japanese text: two bytes a character in code page 932.
    test::SendCopyData(cad.Main(), test::Cp932(u"(princ \"表ソ\")"));
    EXPECT_TRUE(journal.WaitFor({"\"event\":\"copydata\"", "\"bytes\":16"}));
    EXPECT_TRUE(journal.WaitFor({"{\"event\":\"print\",\"text\":\"表ソ\""}));
}

TEST(StandinCad, Command32781PutsTheHistoryOnTheClipboard) {
    const ScratchFolder folder(L"standin-32781");
    StandinCad cad(folder, L"acad.exe", L"");
    ASSERT_TRUE(cad.Ready());
    test::SendCopyData(cad.Main(), "(setq a 42)");
    ASSERT_TRUE(cad.Journal().WaitFor({"{\"event\":\"print\",\"text\":\"42\\n\""}));
    ASSERT_TRUE(test::SetClipboardBytes("before"));
    SendMessageA(cad.TextWindow(), WM_COMMAND, 32781, 0);
    const auto history = test::ClipboardBytes();
    ASSERT_TRUE(history);
    EXPECT_NE(history->find("Command: (setq a 42)\r\n42\r\n"), std::string::npos) << *history;
}

TEST(StandinCad, IgnoringCommand32781LeavesTheClipboard) {
    const ScratchFolder folder(L"standin-ignore");
    StandinCad cad(folder, L"acad.exe", L"--ignore-32781");
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(test::SetClipboardBytes("before"));
    SendMessageA(cad.TextWindow(), WM_COMMAND, 32781, 0);
    EXPECT_EQ(test::ClipboardBytes(), std::optional<std::string>("before"));
    EXPECT_TRUE(cad.Journal().WaitFor({"\"event\":\"command32781\",\"ignored\":true"}));
}

TEST(StandinCad, ScriptedPointsAnswerGetpoint) {
    const ScratchFolder folder(L"standin-points");
    folder.Write(L"go.lsp",
                 test::Cp932(u"(setq pos (getpoint \"ABC 文字描画点をクリックしてください。\"))\r\n"
                             u"(command \"text\" pos 2.5 0 \"ABC\")\r\n"
                             u"(princ  \"\\n\")\r\n"
                             u"(setq pos (getpoint \"表 文字描画点をクリックしてください。\"))\r\n"
                             u"(command \"text\" pos 2.5 0 \"表\")\r\n"
                             u"(princ  \"\\n\")\r\n"));
    StandinCad cad(folder, L"acad.exe", SupportArgument(folder) + L" --points 1,2;3,4");
    ASSERT_TRUE(cad.Ready());
    test::SendCopyData(cad.Main(), "(load \"go\")");
    const auto& journal = cad.Journal();
    EXPECT_TRUE(
        journal.WaitFor({"\"event\":\"prompt\"", "ABC 文字描画点をクリックしてください。"}));
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"TEXT\"", "\"x\":1,\"y\":2", "\"text\":\"ABC\""}));
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"TEXT\"", "\"x\":3,\"y\":4", "\"text\":\"表\""}));
    EXPECT_EQ(journal.Count("\"event\":\"error\""), 0u);
}

TEST(StandinCad, EscapeCancelsAPendingGetpoint) {
    const ScratchFolder folder(L"standin-cancel");
    folder.Write(L"ask.lsp", test::Cp932(u"(setq p (getpoint \"where?\"))\r\n"
                                         u"(entmake (list '(0 . \"POINT\") (cons 10 p)))\r\n"));
    StandinCad cad(folder, L"acad.exe", SupportArgument(folder));
    ASSERT_TRUE(cad.Ready());
    test::SendCopyData(cad.Main(), "(load \"ask\")");
    ASSERT_TRUE(cad.Journal().WaitFor({"\"event\":\"prompt\"", "where?"}));
    // A tool's paste begins with escape: it cancels the request, then runs.
    test::SendCopyData(cad.Main(), "\x1b(princ \"next\")");
    EXPECT_TRUE(cad.Journal().WaitFor({"\"event\":\"cancel\",\"pointRequest\":true"}));
    EXPECT_TRUE(cad.Journal().WaitFor({"\"event\":\"error\"", "Function cancelled"}));
    EXPECT_TRUE(cad.Journal().WaitFor({"{\"event\":\"print\",\"text\":\"next\""}));
    EXPECT_EQ(cad.Journal().Count("\"event\":\"entity\""), 0u);
}

std::string WindowTitleA(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

TEST(StandinCad, TwoInstancesWithTheirOwnNamesAndDrawings) {
    const ScratchFolder folder(L"standin-two");
    StandinCad first(folder, L"acad.exe", L"--drawing a.dwg");
    StandinCad second(folder, L"icad.exe",
                      L"--drawing \"C:\\図面\\b.dwg\" --main-caption \"IJCAD 2024\"");
    ASSERT_TRUE(first.Ready());
    ASSERT_TRUE(second.Ready());
    EXPECT_EQ(WindowTitleA(first.Main()), "StandIn CAD 2024 - [a.dwg]");
    EXPECT_EQ(WindowTitleA(second.Main()), test::Cp932(u"IJCAD 2024 - [C:\\図面\\b.dwg]"));
    EXPECT_EQ(WindowTitleA(first.TextWindow()), "StandIn CAD Text Window - a.dwg");
    EXPECT_EQ(WindowTitleA(first.CommandArea()), "Command Line");
    EXPECT_EQ(GetParent(first.Input()), first.CommandArea());
    EXPECT_EQ(GetDlgItem(first.CommandArea(), 1001), first.Input());
    EXPECT_EQ(GetWindow(first.TextWindow(), GW_OWNER), first.Main());

    // The command line's text, read from outside, is journalled.
    test::SendCopyData(first.Main(), "(princ)");
    SendMessageA(first.Input(), WM_GETTEXTLENGTH, 0, 0);
    EXPECT_TRUE(first.Journal().WaitFor({"\"event\":\"read\"", "WM_GETTEXTLENGTH"}));
}

TEST(StandinCad, FaultModesChangeWhatDiscoveryCanSee) {
    const ScratchFolder folder(L"standin-faults");
    StandinCad cad(folder, L"acad.exe", L"--no-text-window --no-command-area --no-dash");
    ASSERT_TRUE(cad.Ready());
    EXPECT_EQ(cad.TextWindow(), nullptr);
    EXPECT_EQ(cad.CommandArea(), nullptr);
    EXPECT_EQ(WindowTitleA(cad.Main()), "StandIn CAD 2024 [Drawing1.dwg]");
    EXPECT_EQ(GetParent(cad.Input()), cad.Main());
}

TEST(StandinCad, StartsMinimizedWhenTold) {
    const ScratchFolder folder(L"standin-minimized");
    StandinCad cad(folder, L"acad.exe", L"--minimized");
    ASSERT_TRUE(cad.Ready());
    EXPECT_TRUE(IsIconic(cad.Main()));
}

TEST(StandinCad, TypedLinesRunAsAUsersInputDoes) {
    const ScratchFolder folder(L"standin-typing");
    StandinCad cad(folder, L"acad.exe", L"");
    ASSERT_TRUE(cad.Ready());
    for (const char c : std::string("(princ \"hi\")\r")) {
        SendMessageW(cad.Input(), WM_CHAR, static_cast<WPARAM>(c), 0);
    }
    EXPECT_TRUE(cad.Journal().WaitFor({"{\"event\":\"execute\",\"line\":\"(princ \\\"hi\\\")\""}));
    EXPECT_TRUE(cad.Journal().WaitFor({"{\"event\":\"print\",\"text\":\"hi\""}));
    // Escape throws away what was typed.
    for (const char c : std::string("(princ 1)\x1b")) {
        SendMessageW(cad.Input(), WM_CHAR, static_cast<WPARAM>(c), 0);
    }
    EXPECT_EQ(GetWindowTextLengthW(cad.Input()), 0);
}

TEST(StandinCad, HangsAndExitsWhenTold) {
    const ScratchFolder folder(L"standin-hang");
    StandinCad cad(folder, L"acad.exe", L"--hang-after 1 --hang-for 1500 --exit-after 2000");
    ASSERT_TRUE(cad.Ready());
    ASSERT_TRUE(cad.Journal().WaitFor({"\"event\":\"hang\""}));
    DWORD_PTR result = 0;
    EXPECT_EQ(SendMessageTimeoutA(cad.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 300, &result), 0);
    EXPECT_TRUE(cad.Journal().WaitFor({"\"event\":\"exit\""}, 5000));
}

} // namespace
} // namespace vr

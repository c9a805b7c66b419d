#include "FormPlacement.h"
#include "InstallPayload.h"
#include "Installation.h"
#include "SetupMessages.h"
#include "winsupport/core/PathJoin.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vr::setup {
namespace {

using testing::ElementsAreArray;

bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != std::u16string_view::npos;
}

TEST(FormPlacement, CentresAcrossAndPutsTheCentreAtAThirdDown) {
    struct Case {
        std::int64_t screenWidth, screenHeight, formWidth, formHeight;
        std::int64_t left, top;
    };
    const Case cases[] = {
        // 1280 x 1024 pixels at 15 twips a pixel; the form's frame around
        // its 9600 x 4845 client area.
        {19200, 15360, 9690, 5325, 9600 - 4845, 5120 - 2662},
        // Every division truncates: 19201 / 2 = 9600, 15361 / 3 = 5120.
        {19201, 15361, 9691, 5325, 9600 - 4845, 5120 - 2662},
        // Wider and taller than 32767 twips (three 2560-pixel monitors).
        {115200, 21600, 9690, 5325, 57600 - 4845, 7200 - 2662},
        {4000000000, 3000000000, 9690, 5325, 2000000000 - 4845, 1000000000 - 2662},
        // A form larger than the screen goes off its top left corner.
        {6000, 3000, 9690, 5325, 3000 - 4845, 1000 - 2662},
    };
    for (const Case& c : cases) {
        const FormPosition position =
            PlaceForm(c.screenWidth, c.screenHeight, c.formWidth, c.formHeight);
        EXPECT_EQ(position.left, c.left) << c.screenWidth;
        EXPECT_EQ(position.top, c.top) << c.screenHeight;
    }
}

TEST(InstallPayload, IsTheNineteenFilesInCopyOrder) {
    ASSERT_EQ(kInstallPayload.size(), 19u);
    EXPECT_EQ(kInstallPayload[6], u"gaugeread.exe");
    EXPECT_EQ(kInstallPayload[12], kSetupGuide);
    EXPECT_EQ(kInstallPayload[15], u"zuduv.ini");
    EXPECT_EQ(kInstallPayload[18], u"bridgebook.xlsm");
}

TEST(JoinPath, PutsOneBackslashBetweenFolderAndName) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"C:\\Tools", u"C:\\Tools\\qv.lsp"},
        {u"T:\\", u"T:\\qv.lsp"},
        {u"T:", u"T:\\qv.lsp"},
        {u"\\\\server\\share", u"\\\\server\\share\\qv.lsp"},
        {u"C:\\表ソ能", u"C:\\表ソ能\\qv.lsp"},
    };
    for (const auto& [folder, path] : cases) {
        EXPECT_EQ(JoinPath(folder, u"qv.lsp"), path);
    }
}

// Records every platform call of an installation, in order. The user's
// folder choices and answers are played back in turn; a choice beyond the
// last is a cancel.
class RecordingInstaller final : public InstallerPlatform {
  public:
    std::u16string ChooseInstallFolder() override {
        calls.push_back(u"choose");
        return nextChoice < choices.size() ? choices[nextChoice++] : std::u16string();
    }
    std::u16string ProgramFolder() override {
        calls.push_back(u"program folder");
        return u"D:\\配布";
    }
    std::vector<std::u16string> DesktopFolders() override {
        calls.push_back(u"desktops");
        return desktops;
    }
    // As Windows compares folders on disk: without regard to the case of
    // ASCII letters or a trailing backslash.
    bool IsSameFolder(const std::u16string& a, const std::u16string& b) override {
        calls.push_back(u"same? " + a + u" | " + b);
        return FolderKey(a) == FolderKey(b);
    }
    std::u16string FirstCharacterOutsideCodePage(const std::u16string& text) override {
        calls.push_back(u"code page? " + text);
        return !outsideCodePage.empty() && text.find(outsideCodePage) != std::u16string::npos
                   ? outsideCodePage
                   : std::u16string();
    }
    void SetInstallEnabled(bool enabled) override {
        calls.push_back(enabled ? u"enable" : u"disable");
    }
    std::optional<CopyFailure> CopyPayloadFile(const std::u16string& from,
                                               const std::u16string& to) override {
        calls.push_back(u"copy " + from + u" -> " + to);
        const auto failure = failures.find(to);
        return failure == failures.end() ? std::nullopt : std::optional(failure->second);
    }
    void ProcessPendingMessages() override { calls.push_back(u"pump"); }
    void ShowMessage(std::u16string_view text) override {
        calls.push_back(u"message " + std::u16string(text));
    }
    bool AskYesNo(std::u16string_view text) override {
        calls.push_back(u"ask " + std::u16string(text));
        EXPECT_LT(nextAnswer, answers.size()) << "an unexpected question";
        return nextAnswer < answers.size() && answers[nextAnswer++];
    }
    bool OpenDocument(const std::u16string& path) override {
        calls.push_back(u"open " + path);
        return opens;
    }
    void WaitForDocumentLaunch() override { calls.push_back(u"wait for the launch"); }

    std::vector<std::u16string> choices; // what the browser returns, round by round
    std::vector<bool> answers;           // Yes (true) or No, question by question
    std::vector<std::u16string> desktops = {u"C:\\Users\\taro\\Desktop",
                                            u"C:\\Users\\Public\\Desktop"};
    std::u16string outsideCodePage; // what the code-page check finds
    bool opens = true;
    std::map<std::u16string, CopyFailure> failures;
    std::vector<std::u16string> calls;

  private:
    static std::u16string FolderKey(std::u16string path) {
        while (!path.empty() && path.back() == u'\\') {
            path.pop_back();
        }
        for (char16_t& c : path) {
            if (c >= u'A' && c <= u'Z') {
                c = static_cast<char16_t>(c - u'A' + u'a');
            }
        }
        return path;
    }

    std::size_t nextChoice = 0;
    std::size_t nextAnswer = 0;
};

// The calls that check a chosen folder which is neither the installer's own
// nor badly named: up to the question about the Desktop, if one is asked.
std::vector<std::u16string> ChecksOf(const std::u16string& target) {
    return {u"choose",
            u"program folder",
            u"same? D:\\配布 | " + target,
            u"code page? " + target,
            u"desktops",
            u"same? C:\\Users\\taro\\Desktop | " + target,
            u"same? C:\\Users\\Public\\Desktop | " + target};
}

std::vector<std::u16string> CopiesInto(const std::u16string& target, std::size_t count) {
    std::vector<std::u16string> calls;
    for (std::size_t i = 0; i < count; ++i) {
        calls.push_back(u"copy " + JoinPath(u"D:\\配布", kInstallPayload[i]) + u" -> " +
                        JoinPath(target, kInstallPayload[i]));
        calls.push_back(u"pump");
    }
    return calls;
}

// From the disabled button to the guide: what follows the checks when the
// installation goes ahead.
std::vector<std::u16string> InstallationInto(const std::u16string& target) {
    std::vector<std::u16string> calls = {u"disable"};
    const std::vector<std::u16string> copies = CopiesInto(target, 19);
    calls.insert(calls.end(), copies.begin(), copies.end());
    calls.push_back(u"message " + std::u16string(kCompleted));
    calls.push_back(u"open " + JoinPath(target, u"setupguide.pdf"));
    // The program ends after this: not before the shell has launched the
    // guide.
    calls.push_back(u"wait for the launch");
    return calls;
}

std::vector<std::u16string> Joined(std::initializer_list<std::vector<std::u16string>> parts) {
    std::vector<std::u16string> calls;
    for (const auto& part : parts) {
        calls.insert(calls.end(), part.begin(), part.end());
    }
    return calls;
}

TEST(RunInstallation, CopiesEveryFileInOrderThenConfirmsAndOpensTheGuide) {
    for (const std::u16string target : {u"C:\\ExcelCAD", u"T:\\"}) {
        RecordingInstaller installer;
        installer.choices = {target};
        EXPECT_EQ(RunInstallation(installer), InstallOutcome::Completed);
        EXPECT_THAT(installer.calls,
                    ElementsAreArray(Joined({ChecksOf(target), InstallationInto(target)})));
    }
}

TEST(RunInstallation, AGuideTheShellRefusedIsNotWaitedFor) {
    RecordingInstaller installer;
    installer.choices = {u"C:\\ExcelCAD"};
    installer.opens = false;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::Completed);
    EXPECT_EQ(installer.calls.back(), u"open C:\\ExcelCAD\\setupguide.pdf");
}

// The tools could not read their settings in such a folder: it is refused
// before anything is copied, naming the character, and the browser opens
// again for another folder.
TEST(RunInstallation, RefusesAFolderWhoseNameTheCodePageCannotWrite) {
    RecordingInstaller installer;
    installer.choices = {u"C:\\Users\\森鷗外\\CAD"};
    installer.outsideCodePage = u"鷗";
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::Cancelled);
    const std::u16string message = FolderNameUnusableMessage(installer.choices[0], u"鷗");
    const std::vector<std::u16string> expected = {u"choose",
                                                  u"program folder",
                                                  u"same? D:\\配布 | C:\\Users\\森鷗外\\CAD",
                                                  u"code page? C:\\Users\\森鷗外\\CAD",
                                                  u"message " + message,
                                                  u"choose"};
    EXPECT_THAT(installer.calls, ElementsAreArray(expected));
    EXPECT_TRUE(Contains(message, u"「C:\\Users\\森鷗外\\CAD」"));
    EXPECT_TRUE(Contains(message, u"「鷗」"));
}

TEST(RunInstallation, EndsSilentlyWhenNoFolderIsChosen) {
    RecordingInstaller installer;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::Cancelled);
    EXPECT_THAT(installer.calls, ElementsAreArray({u"choose"}));
}

// A round that ends in the installer's own folder: its message, then the
// browser again.
std::vector<std::u16string> OwnFolderRound(const std::u16string& target) {
    return {u"choose", u"program folder", u"same? D:\\配布 | " + target,
            u"message " + OwnFolderMessage(target)};
}

// A round that ends in the question about the Desktop; the public Desktop
// is compared only when the user's own was not it.
std::vector<std::u16string> DesktopRound(const std::u16string& target, bool publicDesktop) {
    std::vector<std::u16string> calls = ChecksOf(target);
    if (!publicDesktop) {
        calls.pop_back();
    }
    calls.push_back(u"ask " + DesktopQuestion(target));
    return calls;
}

// The installer's own folder and the Desktop send the user back to the
// browser, as often as it takes; a cancel in the browser ends silently at
// any round, and only a folder that passes every check is copied into.
TEST(RunInstallation, ReturnsToTheBrowserAfterTheOwnFolderAndADesktopTheUserDeclines) {
    const std::u16string desktop = u"C:\\Users\\taro\\Desktop";
    const std::u16string excelCad = u"C:\\ExcelCAD";
    const std::vector<std::u16string> cancel = {u"choose"};
    struct Case {
        const char* name;
        std::vector<std::u16string> choices;
        std::vector<bool> answers;
        InstallOutcome outcome;
        std::vector<std::u16string> calls;
    };
    const Case cases[] = {
        {"own folder, then cancel",
         {u"d:\\配布\\"},
         {},
         InstallOutcome::Cancelled,
         Joined({OwnFolderRound(u"d:\\配布\\"), cancel})},
        {"own folder, then a good folder",
         {u"D:\\配布", excelCad},
         {},
         InstallOutcome::Completed,
         Joined({OwnFolderRound(u"D:\\配布"), ChecksOf(excelCad), InstallationInto(excelCad)})},
        {"Desktop and No, then cancel",
         {desktop},
         {false},
         InstallOutcome::Cancelled,
         Joined({DesktopRound(desktop, false), cancel})},
        {"Desktop and No, then another folder",
         {desktop, excelCad},
         {false},
         InstallOutcome::Completed,
         Joined({DesktopRound(desktop, false), ChecksOf(excelCad), InstallationInto(excelCad)})},
        {"Desktop and Yes",
         {desktop},
         {true},
         InstallOutcome::Completed,
         Joined({DesktopRound(desktop, false), InstallationInto(desktop)})},
        {"the Desktop spelled otherwise, and the shared Desktop",
         {u"c:\\users\\TARO\\desktop\\", u"C:\\Users\\Public\\Desktop"},
         {false, false},
         InstallOutcome::Cancelled,
         Joined({DesktopRound(u"c:\\users\\TARO\\desktop\\", false),
                 DesktopRound(u"C:\\Users\\Public\\Desktop", true), cancel})},
        {"own folder, Desktop and No, own folder again, then a good folder",
         {u"D:\\配布", desktop, u"D:\\配布", excelCad},
         {false},
         InstallOutcome::Completed,
         Joined({OwnFolderRound(u"D:\\配布"), DesktopRound(desktop, false),
                 OwnFolderRound(u"D:\\配布"), ChecksOf(excelCad), InstallationInto(excelCad)})},
        {"a folder on the Desktop is no Desktop",
         {desktop + u"\\ExcelCAD"},
         {},
         InstallOutcome::Completed,
         Joined({ChecksOf(desktop + u"\\ExcelCAD"), InstallationInto(desktop + u"\\ExcelCAD")})},
    };
    for (const Case& c : cases) {
        RecordingInstaller installer;
        installer.choices = c.choices;
        installer.answers = c.answers;
        EXPECT_EQ(RunInstallation(installer), c.outcome) << c.name;
        EXPECT_THAT(installer.calls, ElementsAreArray(c.calls)) << c.name;
    }
}

// Without a Desktop that Windows can name, nothing is asked.
TEST(RunInstallation, AsksNothingWhenWindowsNamesNoDesktop) {
    RecordingInstaller installer;
    installer.desktops.clear();
    installer.choices = {u"C:\\Users\\taro\\Desktop"};
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::Completed);
    std::vector<std::u16string> checks = ChecksOf(u"C:\\Users\\taro\\Desktop");
    checks.resize(5); // up to the desktops, none compared
    EXPECT_THAT(installer.calls,
                ElementsAreArray(Joined({checks, InstallationInto(u"C:\\Users\\taro\\Desktop")})));
}

TEST(RunInstallation, StopsAtTheFirstFailedCopyAndSaysWhy) {
    RecordingInstaller installer;
    installer.choices = {u"C:\\ExcelCAD"};
    const CopyFailure missing{2, u"指定されたファイルが見つかりません。"};
    installer.failures[u"C:\\ExcelCAD\\gaugeread.exe"] = missing;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::CopyFailed);

    std::vector<std::u16string> expected = ChecksOf(u"C:\\ExcelCAD");
    expected.push_back(u"disable");
    const std::vector<std::u16string> copies = CopiesInto(u"C:\\ExcelCAD", 7);
    expected.insert(expected.end(), copies.begin(), copies.end() - 1); // no pump after 7
    const std::u16string message = CopyFailedMessage(
        u"gaugeread.exe", missing, u"D:\\配布\\gaugeread.exe", u"C:\\ExcelCAD\\gaugeread.exe");
    expected.push_back(u"message " + message);
    EXPECT_THAT(installer.calls, ElementsAreArray(expected));

    for (const std::u16string part :
         {u"「gaugeread.exe」", u"指定されたファイルが見つかりません。（エラー 2）",
          u"コピー元: D:\\配布\\gaugeread.exe", u"コピー先: C:\\ExcelCAD\\gaugeread.exe"}) {
        EXPECT_TRUE(Contains(message, part));
    }
    EXPECT_TRUE(Contains(CopyFailedMessage(u"x", {4294967295u, u"?"}, u"a", u"b"),
                         u"（エラー 4294967295）"));
}

// The texts the Win32 side shows, exactly: a changed word here is a changed
// message on the user's screen.
TEST(SetupMessages, SpellEachMessageExactly) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {GuideNotOpenedMessage(u"T:\\setupguide.pdf"),
         u"インストールは完了しましたが、ガイドを開けませんでした。\r\n"
         u"次のファイルを開いてください。\r\nT:\\setupguide.pdf"},
        {FormFailedMessage(1407, u"ウィンドウ クラスが見つかりません。"),
         u"インストーラーの画面を表示できませんでした。setupkit を終了します。\r\n\r\n"
         u"ウィンドウ クラスが見つかりません。（エラー 1407）"},
        {FormFailedMessage(0, kUnknownError),
         u"インストーラーの画面を表示できませんでした。setupkit を終了します。\r\n\r\n"
         u"不明なエラーです。（エラー 0）"},
        {OwnFolderMessage(u"C:\\表ソ"),
         u"選んだフォルダー「C:\\表ソ」は、このインストーラーのあるフォルダーです。"
         u"ここにはインストールできません。\r\n\r\n"
         u"OK を押すとフォルダーの選択に戻ります。別のフォルダーを選んでください。\r\n"
         u"インストールをやめるときは、フォルダーの選択で「キャンセル」を押してください。"},
        {DesktopQuestion(u"C:\\Users\\能\\Desktop"),
         u"選んだフォルダー「C:\\Users\\能\\Desktop」はデスクトップです。\r\n"
         u"ここにインストールすると、19 個のファイルがデスクトップに直接並びます。\r\n\r\n"
         u"このままデスクトップにインストールしますか？\r\n\r\n"
         u"「いいえ」を押すとフォルダーの選択に戻ります。\r\n"
         u"インストール用のフォルダー（例: C:\\ExcelCAD）を選んでください。\r\n"
         u"まだないときは、エクスプローラーで作ってから「いいえ」を押してください。"},
        {CopyFailedMessage(u"qv.lsp", {5, u"アクセスが拒否されました。"}, u"D:\\a\\qv.lsp",
                           u"C:\\b\\qv.lsp"),
         u"ファイル「qv.lsp」をコピーできませんでした。インストールを中止します。\r\n\r\n"
         u"アクセスが拒否されました。（エラー 5）\r\n\r\nコピー元: D:\\a\\qv.lsp\r\n"
         u"コピー先: C:\\b\\qv.lsp\r\n\r\nそれまでにコピーしたファイルはそのまま残っています。"},
    };
    for (const auto& [message, expected] : cases) {
        EXPECT_EQ(message, expected);
    }
}

} // namespace
} // namespace vr::setup

#include "FormPlacement.h"
#include "InstallPayload.h"
#include "Installation.h"
#include "SetupMessages.h"

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

// Records every platform call of an installation, in order.
class RecordingInstaller final : public InstallerPlatform {
  public:
    std::u16string ChooseInstallFolder() override {
        calls.push_back(u"choose");
        return chosen;
    }
    std::u16string ProgramFolder() override {
        calls.push_back(u"program folder");
        return u"D:\\配布";
    }
    bool IsSameFolder(const std::u16string& a, const std::u16string& b) override {
        calls.push_back(u"same? " + a + u" | " + b);
        return sameFolder;
    }
    std::u16string FirstCharacterOutsideCodePage(const std::u16string& text) override {
        calls.push_back(u"code page? " + text);
        return outsideCodePage;
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
    bool OpenDocument(const std::u16string& path) override {
        calls.push_back(u"open " + path);
        return opens;
    }
    void WaitForDocumentLaunch() override { calls.push_back(u"wait for the launch"); }

    std::u16string chosen;
    std::u16string outsideCodePage; // what the code-page check finds
    bool opens = true;
    bool sameFolder = false;
    std::map<std::u16string, CopyFailure> failures;
    std::vector<std::u16string> calls;
};

std::vector<std::u16string> CopiesInto(const std::u16string& target, std::size_t count) {
    std::vector<std::u16string> calls;
    for (std::size_t i = 0; i < count; ++i) {
        calls.push_back(u"copy " + JoinPath(u"D:\\配布", kInstallPayload[i]) + u" -> " +
                        JoinPath(target, kInstallPayload[i]));
        calls.push_back(u"pump");
    }
    return calls;
}

TEST(RunInstallation, CopiesEveryFileInOrderThenConfirmsAndOpensTheGuide) {
    for (const std::u16string target : {u"C:\\ExcelCAD", u"T:\\"}) {
        RecordingInstaller installer;
        installer.chosen = target;
        EXPECT_EQ(RunInstallation(installer), InstallOutcome::Completed);
        std::vector<std::u16string> expected = {u"choose", u"program folder",
                                                u"same? D:\\配布 | " + target,
                                                u"code page? " + target, u"disable"};
        const std::vector<std::u16string> copies = CopiesInto(target, 19);
        expected.insert(expected.end(), copies.begin(), copies.end());
        expected.push_back(u"message " + std::u16string(kCompleted));
        expected.push_back(u"open " + JoinPath(target, u"setupguide.pdf"));
        // The program ends after this: not before the shell has launched
        // the guide.
        expected.push_back(u"wait for the launch");
        EXPECT_THAT(installer.calls, ElementsAreArray(expected));
    }
}

TEST(RunInstallation, AGuideTheShellRefusedIsNotWaitedFor) {
    RecordingInstaller installer;
    installer.chosen = u"C:\\ExcelCAD";
    installer.opens = false;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::Completed);
    EXPECT_EQ(installer.calls.back(), u"open C:\\ExcelCAD\\setupguide.pdf");
}

// The tools could not read their settings in such a folder: it is refused
// before anything is copied, naming the character.
TEST(RunInstallation, RefusesAFolderWhoseNameTheCodePageCannotWrite) {
    RecordingInstaller installer;
    installer.chosen = u"C:\\Users\\森鷗外\\CAD";
    installer.outsideCodePage = u"鷗";
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::RefusedFolderName);
    const std::u16string message = FolderNameUnusableMessage(installer.chosen, u"鷗");
    const std::vector<std::u16string> expected = {
        u"choose", u"program folder", u"same? D:\\配布 | C:\\Users\\森鷗外\\CAD",
        u"code page? C:\\Users\\森鷗外\\CAD", u"message " + message};
    EXPECT_THAT(installer.calls, ElementsAreArray(expected));
    EXPECT_TRUE(Contains(message, u"「C:\\Users\\森鷗外\\CAD」"));
    EXPECT_TRUE(Contains(message, u"「鷗」"));
}

TEST(RunInstallation, EndsSilentlyWhenNoFolderIsChosen) {
    RecordingInstaller installer;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::Cancelled);
    EXPECT_THAT(installer.calls, ElementsAreArray({u"choose"}));
}

TEST(RunInstallation, RefusesTheInstallersOwnFolder) {
    RecordingInstaller installer;
    installer.chosen = u"d:\\配布\\";
    installer.sameFolder = true;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::RefusedOwnFolder);
    const std::vector<std::u16string> expected = {u"choose", u"program folder",
                                                  u"same? D:\\配布 | d:\\配布\\",
                                                  u"message " + OwnFolderMessage(u"d:\\配布\\")};
    EXPECT_THAT(installer.calls, ElementsAreArray(expected));
    EXPECT_TRUE(Contains(OwnFolderMessage(u"d:\\配布\\"), u"「d:\\配布\\」"));
}

TEST(RunInstallation, StopsAtTheFirstFailedCopyAndSaysWhy) {
    RecordingInstaller installer;
    installer.chosen = u"C:\\ExcelCAD";
    const CopyFailure missing{2, u"指定されたファイルが見つかりません。"};
    installer.failures[u"C:\\ExcelCAD\\gaugeread.exe"] = missing;
    EXPECT_EQ(RunInstallation(installer), InstallOutcome::CopyFailed);

    std::vector<std::u16string> expected = {u"choose", u"program folder",
                                            u"same? D:\\配布 | C:\\ExcelCAD",
                                            u"code page? C:\\ExcelCAD", u"disable"};
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
         u"選んだフォルダー「C:\\表ソ」はこのインストーラーのあるフォルダーです。\r\n"
         u"ここにはインストールできません。別のフォルダーを選んでやり直してください。"},
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

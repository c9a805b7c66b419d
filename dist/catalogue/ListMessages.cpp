// Prints every message that the tools, their window, the installer and the
// reserved programs can show, built by the catalogues themselves, so that the
// guide's table of messages is made from the texts the programs really show.
//
// One line per message, UTF-8, tab separated:
//   group  identifier  text  [values]
// A value the program inserts is shown as 〈名前〉; line breaks of the text are
// written as the two characters \n. values, where present, lists what one
// placeholder can stand for, as 〈名前〉=a|b|c.
#include "files/ToolFiles.h"
#include "messages/FirstRunMessages.h"
#include "messages/ToolMessages.h"
#include "messages/WindowMessages.h"
#include "text/Utf8.h"

#include "Installation.h"
#include "ReservedMessages.h"
#include "SetupMessages.h"

#include <cstdint>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using vr::Text;
using vr::TextView;

// Numbers the catalogues format themselves are passed as these, then shown as
// the placeholder that names them.
constexpr std::uint32_t kLineNumber = 3000000001u;
constexpr std::uint32_t kFileSize = 3000000002u;
constexpr std::uint32_t kErrorNumber = 3000000003u;
const std::pair<std::uint32_t, TextView> kNumberPlaceholders[] = {
    {kLineNumber, u"〈行番号〉"},
    {kFileSize, u"〈バイト数〉"},
    {kErrorNumber, u"〈エラー番号〉"},
};

struct Entry {
    TextView group;
    std::string id;
    Text text;
    Text values;
};

Text WithNumberPlaceholders(Text text) {
    for (const auto& [number, placeholder] : kNumberPlaceholders) {
        const std::string digits = std::to_string(number);
        const Text pattern(digits.begin(), digits.end());
        for (std::size_t at = text.find(pattern); at != Text::npos;
             at = text.find(pattern, at + placeholder.size())) {
            text.replace(at, pattern.size(), placeholder);
        }
    }
    return text;
}

std::string OnOneLine(const Text& text) {
    std::string utf8 = vr::Utf8FromText(text);
    std::string line;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            continue;
        }
        if (utf8[i] == '\n' || utf8[i] == '\r') {
            line += "\\n";
        } else if (utf8[i] == '\t') {
            line += ' ';
        } else {
            line += utf8[i];
        }
    }
    return line;
}

constexpr TextView kSettings = u"設定ファイルのメッセージ";
constexpr TextView kFirstRun = u"CAD が見つからないときのメッセージ";
constexpr TextView kJob = u"CAD を操作しているときのメッセージ";
constexpr TextView kInput = u"入力ファイルのメッセージ";
constexpr TextView kWindow = u"VadoRariri ウィンドウのメッセージ";
constexpr TextView kSetup = u"インストーラーのメッセージ";
constexpr TextView kReserved = u"機能を持たないプログラムのメッセージ";

// The placeholders every message uses for the same kind of value.
constexpr TextView kPath = u"〈パス〉";
constexpr TextView kFile = u"〈ファイル名〉";
constexpr TextView kValue = u"〈値〉";
const vr::ReportPlace kReport{u"〈cadwindows.txt のパス〉", true};
const std::vector<vr::ProposedLine> kProposal{{u"〈キー〉", u"〈値〉"}};
const std::vector<Text> kNames{u"〈名前〉"};
const std::vector<Text> kTitles{u"〈タイトル〉"};

void AddToolMessages(std::vector<Entry>& out) {
    out.push_back({kSettings, "delay-file", Text(vr::kDelayFileMessage), {}});
    out.push_back({kSettings, "settings-missing", vr::SettingsFileMissingMessage(kPath), {}});
    out.push_back({kSettings,
                   "program-folder-unusable",
                   vr::ProgramFolderUnusableMessage(u"〈フォルダー〉", u"〈文字〉"),
                   {}});
    out.push_back({kSettings,
                   "setting-out-of-range",
                   vr::SettingOutOfRangeMessage(kPath, u"Main", u"〈キー〉", kValue),
                   {}});

    out.push_back(
        {kFirstRun, "no-cad", vr::NoCadFoundFirstRunMessage(u"〈ACADName〉", {}, {}, kReport), {}});
    out.push_back({kFirstRun,
                   "no-cad-close-names",
                   vr::NoCadFoundFirstRunMessage(u"〈ACADName〉", kNames, kProposal, kReport),
                   {}});
    out.push_back({kFirstRun,
                   "no-main-window",
                   vr::NoMainWindowFirstRunMessage(u"〈ACADName〉", u"〈MainCaption〉", kTitles,
                                                   kProposal, kReport),
                   {}});
    out.push_back(
        {kFirstRun,
         "no-main-window-no-proposal",
         vr::NoMainWindowFirstRunMessage(u"〈ACADName〉", u"〈MainCaption〉", kTitles, {}, kReport),
         {}});
    out.push_back(
        {kFirstRun,
         "no-main-window-no-titles",
         vr::NoMainWindowFirstRunMessage(u"〈ACADName〉", u"〈MainCaption〉", {}, {}, kReport),
         {}});
    out.push_back({kFirstRun,
                   "no-command-area",
                   vr::NoCommandAreaFirstRunMessage(u"〈CommandCaption〉", u"〈CommandClass〉",
                                                    kTitles, kProposal, kReport),
                   {}});
    out.push_back({kFirstRun,
                   "no-command-area-no-candidates",
                   vr::NoCommandAreaFirstRunMessage(u"〈CommandCaption〉", {}, {}, {}, kReport),
                   {}});
    out.push_back({kFirstRun,
                   "report-not-written",
                   vr::NoCadFoundFirstRunMessage(u"〈ACADName〉", {}, {},
                                                 {u"〈cadwindows.txt のパス〉", false}),
                   {}});
    out.push_back({kFirstRun, "elevated-cad", vr::ElevatedCadMessage(u"〈ACADName〉"), {}});

    out.push_back({kJob,
                   "command-area-unreadable",
                   vr::CommandAreaUnreadableMessage(u"〈CommandCaption〉"),
                   {}});
    out.push_back({kJob, "cad-window-gone", vr::CadWindowGoneMessage(), {}});
    out.push_back({kJob, "cad-lost-focus", vr::CadLostFocusMessage(), {}});
    out.push_back({kJob, "cad-dialog-open", vr::CadDialogOpenMessage(), {}});
    out.push_back({kJob, "command-line-hidden", vr::CommandLineHiddenMessage(), {}});
    out.push_back({kJob,
                   "command-line-covered",
                   vr::CommandLineCoveredMessage(u"〈タイトル〉", u"〈プログラム〉"),
                   {}});
    out.push_back({kJob, "command-line-off-screen", vr::CommandLineOffScreenMessage(), {}});
    out.push_back({kJob,
                   "command-line-focus-not-taken",
                   vr::CommandLineFocusNotTakenMessage(u"〈クラス〉", u"〈タイトル〉"),
                   {}});
    const TextView operations[] = {
        vr::kOperationAnswer,     vr::kOperationRaise,         vr::kOperationTopmost,
        vr::kOperationMoveCursor, vr::kOperationConfineCursor, vr::kOperationClick,
        vr::kOperationKeys,       vr::kOperationRestoreCursor, vr::kOperationTopmostOff,
    };
    Text values = u"〈操作〉=";
    for (const TextView operation : operations) {
        values += operation;
        values += u"|";
    }
    values.pop_back();
    out.push_back({kJob, "cad-not-responding", vr::CadNotRespondingMessage(u"〈操作〉"), values});
    out.push_back({kJob, "clipboard-busy", vr::ClipboardBusyMessage(u"〈タイトル〉"), {}});
    out.push_back({kJob, "another-tool-running", vr::AnotherToolRunningMessage(), {}});
    out.push_back({kJob, "unexpected-stop", vr::UnexpectedStopMessage(u"〈理由〉"), {}});

    out.push_back({kInput, "input-unreadable", vr::InputFileUnreadableMessage(kFile, kPath), {}});
    out.push_back({kInput,
                   "senten-empty",
                   vr::InputFileEmptyMessage(u"senten.txt", vr::kSentenFirstLineHint, kPath),
                   {}});
    out.push_back({kInput,
                   "mojidata-empty",
                   vr::InputFileEmptyMessage(u"mojidata.txt", vr::kMojidataFirstLineHint, kPath),
                   {}});
    out.push_back(
        {kInput, "input-too-large", vr::InputFileTooLargeMessage(kFile, kFileSize, kPath), {}});
    out.push_back({kInput,
                   "input-not-ansi",
                   vr::InputFileNotAnsiMessage(kFile, u"〈文字コード〉", kPath),
                   {}});
    Text hints = u"〈ヒント〉=";
    for (const vr::TextView hint :
         {vr::kHintFullWidth, vr::kHintLeadingPoint, vr::kHintTab, vr::kHintThousands}) {
        hints += hint;
        hints += u"|";
    }
    hints.pop_back();
    out.push_back({kInput, "input-value-not-number",
                   vr::InputValueNotNumberMessage(kFile, kLineNumber, u"〈項目〉", kValue, kPath,
                                                  u"〈ヒント〉"),
                   hints});
    out.push_back({kInput, "point-line-field-count",
                   vr::PointLineFieldCountMessage(kLineNumber, u"〈行〉", kPath, u"〈ヒント〉"),
                   hints});
    out.push_back({kInput, "point-line-empty", vr::EmptyPointLineMessage(kLineNumber, kPath), {}});
    out.push_back(
        {kInput, "mode-line-like-node", vr::ModeLineLikeNodeMessage(u"〈行〉", kPath), {}});
    out.push_back(
        {kInput, "input-line-ends", vr::InputLineEndsMessage(kFile, kLineNumber, kPath), {}});
    out.push_back({kInput,
                   "line-break-in-cell",
                   vr::LineBreakInCellMessage(u"mojidata.txt", kLineNumber, kPath),
                   {}});
    out.push_back({kInput,
                   "input-too-long",
                   vr::InputFileTooLongMessage(kFile, vr::kMaxInputDataLines, kPath),
                   {}});
    out.push_back({kInput, "parameter-line",
                   vr::ParameterLineMessage(u"〈行〉", kPath, u"〈ヒント〉"), hints});
    out.push_back({kInput, "parameter-line-empty", vr::ParameterLineMessage(u"", kPath), {}});
    out.push_back({kInput,
                   "output-unwritable",
                   vr::OutputFileUnwritableMessage(kFile, kPath, u"〈理由〉"),
                   {}});
    out.push_back(
        {kInput, "request-too-short", vr::RequestTooShortMessage(u"〈受け取った値〉"), {}});
    out.push_back({kInput, "request-not-writable", vr::RequestNotWritableMessage(kValue), {}});

    out.push_back({kWindow, "no-cad-selected", Text(vr::kNoCadSelectedMessage), {}});
    out.push_back({kWindow, "not-text", Text(vr::kNotTextMessage), {}});
    out.push_back({kWindow,
                   "window-not-created",
                   vr::WindowNotCreatedMessage(u"〈ウィンドウ名〉", kErrorNumber),
                   {}});
}

void AddSetupMessages(std::vector<Entry>& out) {
    namespace setup = vr::setup;
    const setup::CopyFailure failure{kErrorNumber, u"〈Windows の説明〉"};
    out.push_back({kSetup, "setup-completed", Text(setup::kCompleted), {}});
    out.push_back(
        {kSetup, "setup-copy-failed",
         setup::CopyFailedMessage(u"〈ファイル名〉", failure, u"〈コピー元〉", u"〈コピー先〉"),
         Text(u"〈Windows の説明〉=Windows が示す説明|") + Text(setup::kUnknownError)});
    out.push_back({kSetup, "setup-own-folder", setup::OwnFolderMessage(u"〈フォルダー〉"), {}});
    out.push_back(
        {kSetup, "setup-desktop-question", setup::DesktopQuestion(u"〈フォルダー〉"), {}});
    out.push_back({kSetup,
                   "setup-folder-name-unusable",
                   setup::FolderNameUnusableMessage(u"〈フォルダー〉", u"〈文字〉"),
                   {}});
    out.push_back({kSetup,
                   "setup-guide-not-opened",
                   setup::GuideNotOpenedMessage(u"〈setupguide.pdf のパス〉"),
                   {}});
    out.push_back({kSetup,
                   "setup-form-failed",
                   setup::FormFailedMessage(kErrorNumber, u"〈Windows の説明〉"),
                   {}});
}

void AddReservedMessages(std::vector<Entry>& out) {
    const std::wstring wide = vr::reserved::NoFunctionMessage(L"〈プログラム名〉");
    Text text;
    for (const wchar_t c : wide) {
        text.push_back(static_cast<char16_t>(c));
    }
    out.push_back({kReserved, "reserved-no-function", text, {}});
}

} // namespace

int main() {
    std::vector<Entry> entries;
    AddToolMessages(entries);
    AddSetupMessages(entries);
    AddReservedMessages(entries);
    for (const Entry& entry : entries) {
        std::cout << vr::Utf8FromText(entry.group) << '\t' << entry.id << '\t'
                  << OnOneLine(WithNumberPlaceholders(entry.text));
        if (!entry.values.empty()) {
            std::cout << '\t' << vr::Utf8FromText(entry.values);
        }
        std::cout << '\n';
    }
    return std::cout.good() ? 0 : 1;
}

#pragma once

#include "text/Text.h"

#include <cstddef>

namespace vr {

// Every text that pinmark, labelpen and gaugeread show to the user, in one
// place. Each names the fault and, where a file or a setting decides it, that
// file or setting.

// A value from outside (a file line, a title, a setting) in 「」, cut to
// kMaxQuotedLength characters with 「…」 when it is longer.
inline constexpr std::size_t kMaxQuotedLength = 60;
[[nodiscard]] Text QuotedValue(TextView value);

// The system's own text for an unreadable delay.dat; it must stay exactly as
// it is: full-width digits, a full-width tilde (U+FF5E) and one ideographic
// space (U+3000).
inline constexpr TextView kDelayFileMessage =
    u"delay.datファイルがありません。ディレイする値１\uFF5E２０をセットして\u3000"
    u"delay.datというファイルを作成してください。";

// Settings.
[[nodiscard]] Text SettingOutOfRangeMessage(TextView settingsPath, TextView section, TextView key,
                                            TextView value);

// Discovery and the job.
[[nodiscard]] Text NoCadFoundMessage(TextView acadName);
[[nodiscard]] Text NoMainWindowMessage(TextView acadName, TextView mainCaption);
[[nodiscard]] Text NoCommandAreaMessage(TextView commandCaption);
[[nodiscard]] Text CadWindowGoneMessage();
[[nodiscard]] Text CommandAreaUnreadableMessage(TextView commandCaption);
[[nodiscard]] Text CadNotRespondingMessage(TextView operation);
// holderTitle: the title of the window that keeps the clipboard open, empty
// when it is not known.
[[nodiscard]] Text ClipboardBusyMessage(TextView holderTitle = {});
[[nodiscard]] Text AnotherToolRunningMessage();

// What the job was doing when the CAD stopped answering.
inline constexpr TextView kOperationAnswer = u"応答の確認";
inline constexpr TextView kOperationRaise = u"ウィンドウを前面に出す";
inline constexpr TextView kOperationTopmost = u"ウィンドウを最前面にする";
inline constexpr TextView kOperationMoveCursor = u"カーソルの移動";
inline constexpr TextView kOperationConfineCursor = u"カーソルの範囲指定";
inline constexpr TextView kOperationClick = u"クリック";
inline constexpr TextView kOperationKeys = u"キー入力";
inline constexpr TextView kOperationRestoreCursor = u"カーソルを元に戻す";
inline constexpr TextView kOperationTopmostOff = u"最前面の解除";

// The tools' input and output files.
[[nodiscard]] Text InputFileUnreadableMessage(TextView fileName, TextView path);
[[nodiscard]] Text InputFileEmptyMessage(TextView fileName, TextView firstLineHint, TextView path);
[[nodiscard]] Text InputFileTooLongMessage(TextView fileName, std::size_t maxDataLines,
                                           TextView path);
[[nodiscard]] Text OutputFileUnwritableMessage(TextView fileName, TextView path);

// What the first line of each input file must hold.
inline constexpr TextView kSentenFirstLineHint = u"1行目に node または line が必要です";
inline constexpr TextView kMojidataFirstLineHint = u"1行目に文字の高さと角度が必要です";

// labelpen: a parameter line without the space between height and angle.
[[nodiscard]] Text ParameterLineWithoutSpaceMessage(TextView line, TextView path);

// gaugeread: fewer than four values on its command line.
[[nodiscard]] Text RequestTooShortMessage(TextView arguments);

} // namespace vr

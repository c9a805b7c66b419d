#pragma once

#include "text/NumberFields.h"
#include "text/Text.h"

#include <cstddef>
#include <cstdint>

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
// reason: the system's own words for the failure; may be empty.
[[nodiscard]] Text OutputFileUnwritableMessage(TextView fileName, TextView path,
                                               TextView reason = {});
// Files far above anything a tool reads, refused before they are loaded.
inline constexpr std::uint64_t kMaxInputFileBytes = 1u << 20;
[[nodiscard]] Text InputFileTooLargeMessage(TextView fileName, std::uint64_t size, TextView path);
// encoding: the name of the encoding its byte order mark shows.
[[nodiscard]] Text InputFileNotAnsiMessage(TextView fileName, TextView encoding, TextView path);
// A value that must be a number as AutoLISP reads one. lineNumber counts
// from 1; what names the value (「座標」, 「文字の高さ」); hint, when not
// empty, a sentence that names the slip (NumberSlipHint).
[[nodiscard]] Text InputValueNotNumberMessage(TextView fileName, std::size_t lineNumber,
                                              TextView what, TextView value, TextView path,
                                              TextView hint = {});
// A line that holds a lone LF: the file was saved with other line ends.
[[nodiscard]] Text InputLineEndsMessage(TextView fileName, std::size_t lineNumber, TextView path);
// A data line that holds a lone LF: a line break inside a sheet's cell.
[[nodiscard]] Text LineBreakInCellMessage(TextView fileName, std::size_t lineNumber, TextView path);
// A point line that is not two or three numbers separated by commas or
// blanks; hint as above.
[[nodiscard]] Text PointLineFieldCountMessage(std::size_t lineNumber, TextView line, TextView path,
                                              TextView hint = {});
// A point line between points that holds nothing (an empty row of the sheet).
[[nodiscard]] Text EmptyPointLineMessage(std::size_t lineNumber, TextView path);
// A mode line that is node in all but form (NODE, "node", node with blanks).
[[nodiscard]] Text ModeLineLikeNodeMessage(TextView line, TextView path);

// The sentence that names a usual slip in a number, empty for none.
[[nodiscard]] TextView NumberSlipHint(NumberSlip slip);
inline constexpr TextView kHintFullWidth =
    u"数字・小数点・符号・区切りの空白は半角で書いてください";
inline constexpr TextView kHintLeadingPoint =
    u"小数点の前の 0 を省かずに、0.5 のように書いてください";
inline constexpr TextView kHintTab = u"タブ文字は区切りに使えません";
inline constexpr TextView kHintThousands =
    u"桁区切りのカンマは使えません。セルの表示（1,234.5）ではなく値（1234.5）を書き出してください";

// ZuDuv.ini is not beside the tools.
[[nodiscard]] Text SettingsFileMissingMessage(TextView path);

// The tool's folder has a character in its name that the ANSI code page
// cannot write: the settings and the tool's files could not be named.
[[nodiscard]] Text ProgramFolderUnusableMessage(TextView folder, TextView character);

// gaugeread: a value holding a character the ANSI code page cannot write.
[[nodiscard]] Text RequestNotWritableMessage(TextView value);

// The CAD was closed, or another window came to the front, part-way.
[[nodiscard]] Text CadLostFocusMessage();

// The point the job would click does not show the CAD's command line, or
// the CAD takes no input there: nothing was clicked or typed.
[[nodiscard]] Text CadDialogOpenMessage();
[[nodiscard]] Text CommandLineHiddenMessage();
// title and program: the covering window's title and executable file name.
[[nodiscard]] Text CommandLineCoveredMessage(TextView title, TextView program);
[[nodiscard]] Text CommandLineOffScreenMessage();
// The click did not give the command line the keyboard focus: nothing was
// typed. className and title name the window that has it; both empty when
// no window has it.
[[nodiscard]] Text CommandLineFocusNotTakenMessage(TextView className, TextView title);

// Something the program did not foresee stopped it; the desktop is back.
[[nodiscard]] Text UnexpectedStopMessage(TextView what);
// What UnexpectedStopMessage names when the lock that keeps tool runs apart
// could not be made.
inline constexpr TextView kRunLockUnavailable = u"実行の順番を守る仕組みを用意できませんでした";

// What the first line of each input file must hold.
inline constexpr TextView kSentenFirstLineHint = u"1行目に node または line が必要です";
inline constexpr TextView kMojidataFirstLineHint = u"1行目に文字の高さと角度が必要です";

// labelpen: a parameter line that is not two numbers (height, angle)
// separated by blanks; the whole line is quoted. hint as above.
[[nodiscard]] Text ParameterLineMessage(TextView line, TextView path, TextView hint = {});

// gaugeread: fewer than four values on its command line.
[[nodiscard]] Text RequestTooShortMessage(TextView arguments);

} // namespace vr

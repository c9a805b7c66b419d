#pragma once

#include "outcome/Status.h"
#include "platform/FileAccess.h"
#include "text/Text.h"

#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

namespace vr {

// The most data lines an input file of a tool may hold (points of
// senten.txt, labels of mojidata.txt).
inline constexpr std::size_t kMaxInputDataLines = 100;

// An input file of a tool as read: its first line and the data lines after
// it, decoded. CR LF or a lone CR ends a line. Empty rows at the end of the
// file (a sheet written out to the end of its selection) are not data lines.
struct InputLines {
    Text first;
    std::vector<Text> data;
    friend bool operator==(const InputLines&, const InputLines&) = default;
};

// Why the lines of a file cannot be read. LoneLineFeed: a line holds an LF
// that no CR precedes (a file saved with LF line ends, or a line break
// inside a sheet's cell); lineNumber names that line, counting from 1.
struct InputFault {
    enum class Kind { Empty, TooManyLines, LoneLineFeed };
    Kind kind;
    std::size_t lineNumber = 0;
    friend bool operator==(const InputFault&, const InputFault&) = default;
};

// What an empty row holds: blanks, and in a list of coordinates commas too
// (the separators of empty cells).
inline constexpr TextView kBlankRow = u" \t";
inline constexpr TextView kBlankOrCommaRow = u" \t,";

// Splits the bytes into lines. Rows at the end that hold only characters of
// emptyRow are dropped before the data lines are counted; a file of nothing
// else is empty.
[[nodiscard]] std::variant<InputLines, InputFault>
SplitInputLines(BytesView bytes, TextView emptyRow = kBlankRow,
                std::size_t maxDataLines = kMaxInputDataLines);

// The encoding a byte order mark, a zero byte or UTF-8 sequences show, when
// the bytes are not text in the ANSI code page.
[[nodiscard]] std::optional<TextView> NonAnsiEncodingOf(BytesView bytes);

// How a tool reads its input file: the name, what its first line must hold,
// what its empty rows hold, and whether its data lines are a sheet's cells
// (whose line breaks, Alt+Enter, arrive as a lone LF).
struct InputFileShape {
    TextView fileName;
    TextView firstLineHint;
    TextView emptyRow = kBlankRow;
    bool dataLinesAreCells = false;
};

// Reads "<programFolder>\<fileName>". A missing, too large, non-ANSI, empty
// or too long file, or one with a lone LF, is a failure whose message names
// the file and what to write instead.
[[nodiscard]] std::variant<InputLines, Failure>
ReadToolInputFile(FileAccess& files, TextView programFolder, const InputFileShape& shape);

// A value of line lineNumber of an input file that goes into the AutoLISP
// script as a number; what names it in the message, which also names a usual
// slip (full-width digits, ".5", a tab) where one explains the value.
[[nodiscard]] Status CheckLispNumber(TextView fileName, std::size_t lineNumber, TextView what,
                                     TextView value, TextView path);

// A file of a tool written whole: a script or gaugeread's request.
struct ToolOutputFile {
    Text fileName;
    Bytes content;
};

// Writes "<programFolder>\<fileName>" whole through a temporary file, so that
// a failure leaves the old file as it was. The one place the tools' files
// are written.
[[nodiscard]] Status WriteToolOutputFile(FileAccess& files, TextView programFolder,
                                         const ToolOutputFile& file);

} // namespace vr

#pragma once

#include "outcome/Failure.h"
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
// it, decoded. CR LF or a lone CR ends a line; a lone LF does not.
struct InputLines {
    Text first;
    std::vector<Text> data;
    friend bool operator==(const InputLines&, const InputLines&) = default;
};

enum class InputFault { Empty, TooManyLines };

[[nodiscard]] std::variant<InputLines, InputFault>
SplitInputLines(BytesView bytes, std::size_t maxDataLines = kMaxInputDataLines);

// The encoding a byte order mark (or a zero byte) shows, when the bytes are
// not text in the ANSI code page.
[[nodiscard]] std::optional<TextView> NonAnsiEncodingOf(BytesView bytes);

// Reads "<programFolder>\<fileName>". A missing, too large, non-ANSI, empty
// or too long file is a failure whose message names the file; firstLineHint
// says what its first line must hold.
[[nodiscard]] std::variant<InputLines, Failure> ReadToolInputFile(FileAccess& files,
                                                                  TextView programFolder,
                                                                  TextView fileName,
                                                                  TextView firstLineHint);

// A value of line lineNumber of an input file that goes into the AutoLISP
// script as a number; what names it in the message. A lone LF in it means
// the file has the wrong line ends, and the message says so.
[[nodiscard]] Outcome CheckLispNumber(TextView fileName, std::size_t lineNumber, TextView what,
                                      TextView value, TextView path);

// Writes "<programFolder>\<fileName>" whole through a temporary file, so that
// a failure leaves the old file as it was.
[[nodiscard]] Outcome WriteToolOutputFile(FileAccess& files, TextView programFolder,
                                          TextView fileName, BytesView bytes);

} // namespace vr

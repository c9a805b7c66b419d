#pragma once

#include "outcome/Failure.h"
#include "platform/FileAccess.h"
#include "text/Text.h"

#include <cstddef>
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

// Reads "<programFolder>\<fileName>". A missing, empty or too long file is a
// failure whose message names the file; firstLineHint says what its first
// line must hold.
[[nodiscard]] std::variant<InputLines, Failure> ReadToolInputFile(FileAccess& files,
                                                                  TextView programFolder,
                                                                  TextView fileName,
                                                                  TextView firstLineHint);

// Writes "<programFolder>\<fileName>" whole through a temporary file, so that
// a failure leaves the old file as it was.
[[nodiscard]] Outcome WriteToolOutputFile(FileAccess& files, TextView programFolder,
                                          TextView fileName, BytesView bytes);

} // namespace vr

#pragma once

#include "startup/ToolRun.h"

#include <variant>
#include <vector>

namespace vr {

// An input file of a tool as read: its first line and the data lines after
// it, decoded. CR LF or a lone CR ends a line; a lone LF does not.
struct InputLines {
    Text first;
    std::vector<Text> data;
    friend bool operator==(const InputLines&, const InputLines&) = default;
};

enum class InputFault { Empty, TooManyLines };

[[nodiscard]] std::variant<InputLines, InputFault> SplitInputLines(BytesView bytes,
                                                                   std::size_t maxDataLines);

// Reads "<program folder>\<fileName>". A missing, empty or too long file is a
// failure whose message names the file; firstLineHint says what its first
// line must hold.
[[nodiscard]] std::variant<InputLines, Failure> ReadToolInputFile(ToolRun& run, TextView fileName,
                                                                  std::size_t maxDataLines,
                                                                  TextView firstLineHint);

// Writes "<program folder>\<fileName>" whole through a temporary file, so
// that a failure leaves the old file as it was.
[[nodiscard]] Outcome WriteToolOutputFile(ToolRun& run, TextView fileName, BytesView bytes);

} // namespace vr

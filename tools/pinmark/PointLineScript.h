#pragma once

#include "startup/Failure.h"
#include "startup/ToolRun.h"

#include <variant>
#include <vector>

namespace vr::pinmark {

inline constexpr std::size_t kMaxDataLines = 100;

// senten.txt as read: the mode line and the data lines, decoded.
struct PointList {
    bool pointMode = false; // the mode line is exactly "node"
    std::vector<Text> points;
    friend bool operator==(const PointList&, const PointList&) = default;
};

// Why senten.txt could not be used.
enum class PointListFault { Empty, TooManyLines };

// Splits senten.txt: CR LF or a lone CR ends a line, a lone LF does not;
// line 1 is the mode line, at most 100 data lines follow.
[[nodiscard]] std::variant<PointList, PointListFault> ReadPointList(BytesView senten);

// go.lsp for the points: six lines, CR LF, in the ANSI code page. Each data
// line is copied with its commas turned into spaces.
[[nodiscard]] Bytes PointLineScript(const PointList& list);

// The tool step: senten.txt beside the program into go.lsp beside it.
[[nodiscard]] Outcome WritePointLineScript(ToolRun& run);

// escape, (load "go"), CR LF.
[[nodiscard]] Text PinmarkLoadCommand();

} // namespace vr::pinmark

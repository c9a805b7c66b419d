#pragma once

#include "startup/ToolRun.h"

#include <optional>
#include <vector>

namespace vr::gaugeread {

// The request on the command line: an expression, a row, a column and the
// workbook's path.
struct Request {
    Text expression;
    Text row;
    Text column;
    Text workbook;
    friend bool operator==(const Request&, const Request&) = default;
};

// The argument text of a command line: what follows the program name (quoted
// or not) and the one space that separates them.
[[nodiscard]] Text ArgumentText(TextView commandLine);

// Splits at every single space; fields after the fourth are ignored. A
// fourth field that begins with a double quote runs to the next double
// quote, spaces included, and loses its quotes. nullopt for fewer than four.
[[nodiscard]] std::optional<Request> SplitRequest(TextView arguments);

// excel_fname.lsp: four setq lines, CR LF, ANSI code page; the workbook path
// with forward slashes; every value escaped for its string literal.
[[nodiscard]] Bytes RequestFile(const Request& request);

// "qv" for an expression that begins with "+" or "-", else "qvpos".
[[nodiscard]] Text RoutineFor(TextView expression);

// Before the delay factor is read: the request from the command line into
// excel_fname.lsp beside the program. Fills request on success.
[[nodiscard]] Outcome WriteRequest(ToolRun& run, TextView commandLine, Request& request);

} // namespace vr::gaugeread

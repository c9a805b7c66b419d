#pragma once

#include "process/EntrySequence.h"

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

// gaugeread's plan from its command line: excel_fname.lsp with the request,
// written before the delay factor is read, and the load command of the
// routine it asks for, left on the clipboard afterwards. A command line with
// fewer than four values is a failure that quotes what it received.
[[nodiscard]] ToolPlanOrFailure GaugereadPlan(TextView commandLine);

} // namespace vr::gaugeread

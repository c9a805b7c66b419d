#pragma once

#include "outcome/StopKind.h"
#include "text/Text.h"

#include <optional>

namespace vr {

// An error that stops the job: its kind, which decides the exit code, and
// what the user is told, in Japanese, naming the fault. Errors are values;
// the entry sequence reports them once.
struct Failure {
    StopKind kind;
    Text message;
};

// The result of a step that either succeeds or stops the job.
using Outcome = std::optional<Failure>;

inline constexpr std::nullopt_t kSucceeded = std::nullopt;

} // namespace vr

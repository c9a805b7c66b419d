#pragma once

#include "text/Text.h"

#include <optional>

namespace vr {

// An error that stops the job: what the user is told, in Japanese, naming the
// fault. Errors are values; the entry sequence reports them once.
struct Failure {
    Text message;
};

// The result of a step that either succeeds or stops the job.
using Outcome = std::optional<Failure>;

inline constexpr std::nullopt_t kSucceeded = std::nullopt;

} // namespace vr

#pragma once

#include "outcome/StopKind.h"
#include "text/Text.h"

namespace vr {

// An error that stops the job: its kind, which decides the exit code, and
// what the user is told, in Japanese, naming the fault. Errors are values;
// the entry sequence reports them once.
struct Failure {
    StopKind kind;
    Text message;
};

} // namespace vr

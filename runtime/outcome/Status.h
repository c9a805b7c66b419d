#pragma once

#include "outcome/Failure.h"

#include <optional>
#include <utility>

namespace vr {

// The result of a step: it went through, or it stopped the job with a
// failure. Read as it says: if (!status.ok()) the step stopped.
class [[nodiscard]] Status {
  public:
    // A step that went through.
    [[nodiscard]] static Status Ok() { return Status(); }
    // A step that stopped. Implicit, so that a step can return Failure{...}.
    Status(Failure failure) : failure_(std::move(failure)) {}

    [[nodiscard]] bool ok() const { return !failure_.has_value(); }
    // What stopped the step; only for a status that is not ok().
    [[nodiscard]] const Failure& failure() const { return *failure_; }

  private:
    Status() = default;
    std::optional<Failure> failure_;
};

} // namespace vr

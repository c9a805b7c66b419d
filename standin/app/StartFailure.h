#pragma once

#include <string_view>

namespace standin {

// Tells the person starting the stand-in what could not be set up and the
// error code GetLastError() gave right after the failure. Returns false,
// for the caller to hand on.
[[nodiscard]] bool ReportStartFailure(std::wstring_view what, unsigned long error);

} // namespace standin

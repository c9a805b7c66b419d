#pragma once

#include <windows.h>

#include <string>

namespace vr {

// The system's description of an error number, in the user's language,
// without its line break; empty when the system has none.
[[nodiscard]] std::u16string SystemErrorText(DWORD code);

} // namespace vr

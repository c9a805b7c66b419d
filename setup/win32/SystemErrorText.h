#pragma once

#include <windows.h>

#include <string>

namespace vr::setup {

// The system's description of an error number, in the user's language,
// without its line break; the catalogue's stand-in when the system has none.
[[nodiscard]] std::u16string SystemErrorText(DWORD code);

} // namespace vr::setup

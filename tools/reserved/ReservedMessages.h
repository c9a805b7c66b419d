#pragma once

#include <string>
#include <string_view>

namespace vr::reserved {

// The one text of a reserved program: its name, and which tools to use.
[[nodiscard]] inline std::wstring NoFunctionMessage(std::wstring_view programName) {
    return std::wstring(programName) +
           L" はこの版では機能を持ちません。\r\n"
           L"Excel からは pinmark・labelpen・gaugeread を使ってください。";
}

} // namespace vr::reserved

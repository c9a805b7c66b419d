#pragma once

#include <string>

namespace vr::samples {

// UTF-8 text as code page 932 bytes, the encoding of the drawing's labels
// and of the workbook's VBA source; throws for a character without a form.
[[nodiscard]] std::string Cp932FromUtf8(const std::string& utf8);

} // namespace vr::samples

#pragma once

#include "cad/Entity.h"

#include <vector>

namespace standin {

// The drawing as an ASCII DXF file (R12), CR LF, texts in the ANSI code
// page, declared by $DWGCODEPAGE so that readers decode Japanese text.
[[nodiscard]] vr::Bytes WriteDxf(const std::vector<Entity>& entities);

} // namespace standin

#pragma once

// The tables and dictionaries of the drawing, and its two block headers.
#include "DwgObjects.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vr::samples::dwg {

// The table controls, the named-object dictionaries and the table entries:
// layer 0, the STANDARD text style, the line types, the active viewport, the
// ACAD application and the STANDARD dimension style.
void AddTables(ObjectsBuilder& objects);

// The block header of model or paper space, with its first and last entity
// (0 for none).
[[nodiscard]] std::vector<std::uint8_t> BlockHeader(std::uint32_t handle, std::string_view name,
                                                    std::uint32_t block, std::uint32_t endblk,
                                                    std::uint32_t first, std::uint32_t last);

} // namespace vr::samples::dwg

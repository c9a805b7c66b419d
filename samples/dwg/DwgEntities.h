#pragma once

// The entities of the drawing, each as it stands in the objects section.
#include "DwgObjects.h"
#include "DwgWriter.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vr::samples::dwg {

// A LINE; a line in the plane z = 0 leaves its z values out.
[[nodiscard]] std::vector<std::uint8_t> LineEntity(const Line& line, std::uint32_t handle,
                                                   const EntityLinks& links);

// A POINT with no thickness and the usual extrusion.
[[nodiscard]] std::vector<std::uint8_t> PointEntity(const Point3& point, std::uint32_t handle,
                                                    const EntityLinks& links);

// A TEXT in the STANDARD style, left-aligned at its point; the data flags
// leave out every value that has its default.
[[nodiscard]] std::vector<std::uint8_t> TextEntity(const Text& text, std::uint32_t handle,
                                                   const EntityLinks& links);

// The BLOCK (with its name) or ENDBLK that opens or closes the entities of
// model or paper space.
[[nodiscard]] std::vector<std::uint8_t> BlockBoundary(std::uint16_t type, std::uint32_t handle,
                                                      bool modelSpace, std::string_view name);

} // namespace vr::samples::dwg

#pragma once

// The header section's variables.
#include "BitWriter.h"
#include "DwgWriter.h"

#include <algorithm>
#include <cstdint>

namespace vr::samples::dwg {

// The box around what a space holds.
struct Extents {
    Point3 min{1e20, 1e20, 1e20};
    Point3 max{-1e20, -1e20, -1e20};
    void Add(const Point3& p) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
};

// The dimension variables, as the header holds them (with the handles of
// their text style and arrow blocks) and as the STANDARD dimension style
// does (whose handles are in its handle stream).
void DimensionVariables(BitWriter& w, bool inHeader);

// Every header variable, in order; handseed is the next free handle.
[[nodiscard]] BitWriter HeaderVariables(const Extents& extents, const PointStyle& pointStyle,
                                        std::uint32_t handseed);

} // namespace vr::samples::dwg

#pragma once

#include "cad/Entity.h"

#include <vector>

namespace standin {

// The height of a dimension's text: DIMTXT of the metric Standard style.
inline constexpr double kDimensionTextHeight = 2.5;

struct Segment {
    Point3 a, b;
};

// A linear dimension (rotated or aligned) as the CAD draws it: the dimension
// line through the definition point (group 10), in the direction of group
// 50 for a rotated one and of the line from 13 to 14 for an aligned one;
// an extension line from each of 13 and 14 to its foot on the dimension
// line; the text centred at group 11 along the dimension line.
struct DimensionPicture {
    Segment dimensionLine;
    Segment extensionLines[2];
    Text text;
    Point3 textMiddle;
    double textAngle = 0; // degrees, so that the text reads from left to right
};

// What the CAD measures: the distance between 13 and 14 along the dimension
// line's direction (for an aligned one, the straight distance).
[[nodiscard]] double DimensionMeasurement(const Entity& dimension);

// The middle of the dimension line, where the text goes by default.
[[nodiscard]] Point3 DimensionLineMiddle(const Entity& dimension);

// The text shown: the override (group 1) with its first "<>" replaced by
// the measurement; the measurement alone for an empty override or "<>"; none
// for a single space. The measurement is written with two decimal places.
[[nodiscard]] Text DimensionText(const Entity& dimension);

[[nodiscard]] DimensionPicture DrawDimension(const Entity& dimension);

} // namespace standin

#include "cad/DimensionGeometry.h"

#include "lisp/NumberText.h"

#include <cmath>
#include <numbers>

namespace standin {
namespace {

struct Direction {
    double x = 1, y = 0;
};

Direction DimensionDirection(const Entity& dimension) {
    if (dimension.dimensionType == 1) {
        const double dx = dimension.extension2.x - dimension.extension1.x;
        const double dy = dimension.extension2.y - dimension.extension1.y;
        const double length = std::hypot(dx, dy);
        if (length > 0) {
            return {dx / length, dy / length};
        }
        return {};
    }
    const double radians = dimension.rotation * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

// The point of the dimension line nearest to `point`.
Point3 Foot(const Entity& dimension, const Direction& d, const Point3& point) {
    const Point3& on = dimension.start;
    const double along = (point.x - on.x) * d.x + (point.y - on.y) * d.y;
    return Point3{on.x + d.x * along, on.y + d.y * along, on.z};
}

} // namespace

double DimensionMeasurement(const Entity& dimension) {
    const Direction d = DimensionDirection(dimension);
    return std::fabs((dimension.extension2.x - dimension.extension1.x) * d.x +
                     (dimension.extension2.y - dimension.extension1.y) * d.y);
}

Point3 DimensionLineMiddle(const Entity& dimension) {
    const Direction d = DimensionDirection(dimension);
    const Point3 a = Foot(dimension, d, dimension.extension1);
    const Point3 b = Foot(dimension, d, dimension.extension2);
    return Point3{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

Text DimensionText(const Entity& dimension) {
    const Text measured = lisp::DecimalPlaces(dimension.measurement, 2, 0);
    if (dimension.text.empty()) {
        return measured;
    }
    if (dimension.text == u" ") {
        return Text();
    }
    Text shown = dimension.text;
    const std::size_t at = shown.find(u"<>");
    if (at != Text::npos) {
        shown.replace(at, 2, measured);
    }
    return shown;
}

DimensionPicture DrawDimension(const Entity& dimension) {
    const Direction d = DimensionDirection(dimension);
    DimensionPicture picture;
    const Point3 foot1 = Foot(dimension, d, dimension.extension1);
    const Point3 foot2 = Foot(dimension, d, dimension.extension2);
    picture.dimensionLine = {foot1, foot2};
    picture.extensionLines[0] = {dimension.extension1, foot1};
    picture.extensionLines[1] = {dimension.extension2, foot2};
    picture.text = DimensionText(dimension);
    picture.textMiddle = dimension.end;
    double angle = std::atan2(d.y, d.x) * 180.0 / std::numbers::pi;
    if (angle > 90.0 + 1e-9) {
        angle -= 180.0;
    } else if (angle <= -90.0 + 1e-9) {
        angle += 180.0;
    }
    picture.textAngle = angle;
    return picture;
}

} // namespace standin

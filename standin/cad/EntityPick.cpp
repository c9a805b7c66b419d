#include "cad/EntityPick.h"

#include "cad/DimensionGeometry.h"
#include "cad/MTextFormat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace standin {
namespace {

constexpr double kMTextLineSpacing = 5.0 / 3.0; // of the text height

double DistanceToSegment(const Point3& p, const Point3& a, const Point3& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double DistanceToBox(const Point3& p, const TextBox& box) {
    const double radians = box.angle * std::numbers::pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const double dx = p.x - box.corner.x, dy = p.y - box.corner.y;
    const double along = dx * c + dy * s;
    const double up = -dx * s + dy * c;
    const double outX = std::max({0.0, -along, along - box.width});
    const double outY = std::max({0.0, -up, up - box.height});
    return std::hypot(outX, outY);
}

// A box whose reference point is placed at `anchor` by an attachment point
// (1 top left ... 9 bottom right), turned by `angle` degrees about it.
TextBox AttachedBox(const Point3& anchor, double width, double height, double angle,
                    int attachment) {
    const int column = (attachment - 1) % 3; // 0 left, 1 centre, 2 right
    const int row = (attachment - 1) / 3;    // 0 top, 1 middle, 2 bottom
    const double shiftAlong = -width * column / 2.0;
    const double shiftUp = -height * (2 - row) / 2.0;
    const double radians = angle * std::numbers::pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    TextBox box;
    box.corner = Point3{anchor.x + shiftAlong * c - shiftUp * s,
                        anchor.y + shiftAlong * s + shiftUp * c, anchor.z};
    box.width = width;
    box.height = height;
    box.angle = angle;
    return box;
}

} // namespace

double TextWidth(TextView text, double height) {
    double width = 0;
    for (const char16_t c : text) {
        width += (c < 0x2000 ? 0.7 : 1.0) * height;
    }
    return width;
}

std::optional<TextBox> EntityTextBox(const Entity& entity) {
    switch (entity.type) {
    case EntityType::SingleLineText:
        return TextBox{entity.start, TextWidth(entity.text, entity.height), entity.height,
                       entity.rotation};
    case EntityType::MText: {
        const std::vector<Text> lines = TextLines(PlainMText(entity.text));
        double width = 0;
        for (const Text& line : lines) {
            width = std::max(width, TextWidth(line, entity.height));
        }
        const double height =
            entity.height * (1 + kMTextLineSpacing * static_cast<double>(lines.size() - 1));
        return AttachedBox(entity.start, width, height, entity.rotation, entity.attachment);
    }
    case EntityType::Dimension: {
        const DimensionPicture picture = DrawDimension(entity);
        return AttachedBox(picture.textMiddle, TextWidth(picture.text, kDimensionTextHeight),
                           kDimensionTextHeight, picture.textAngle, 5);
    }
    case EntityType::Point:
    case EntityType::Line:
        break;
    }
    return std::nullopt;
}

std::vector<PlacedText> PlacedTexts(const Entity& entity) {
    const std::optional<TextBox> box = EntityTextBox(entity);
    if (!box) {
        return {};
    }
    const bool dimension = entity.type == EntityType::Dimension;
    const double height = dimension ? kDimensionTextHeight : entity.height;
    const std::vector<Text> lines =
        entity.type == EntityType::MText
            ? TextLines(PlainMText(entity.text))
            : std::vector<Text>{dimension ? DrawDimension(entity).text : entity.text};
    const double radians = box->angle * std::numbers::pi / 180.0;
    std::vector<PlacedText> placed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double up =
            box->height - height - static_cast<double>(i) * height * kMTextLineSpacing;
        placed.push_back({Point3{box->corner.x - up * std::sin(radians),
                                 box->corner.y + up * std::cos(radians), box->corner.z},
                          height, box->angle, lines[i]});
    }
    return placed;
}

double DistanceToEntity(const Entity& entity, const Point3& point) {
    switch (entity.type) {
    case EntityType::Point:
        return std::hypot(point.x - entity.start.x, point.y - entity.start.y);
    case EntityType::Line:
        return DistanceToSegment(point, entity.start, entity.end);
    case EntityType::SingleLineText:
    case EntityType::MText:
        return DistanceToBox(point, *EntityTextBox(entity));
    case EntityType::Dimension: {
        const DimensionPicture picture = DrawDimension(entity);
        double nearest = DistanceToBox(point, *EntityTextBox(entity));
        for (const Segment& line :
             {picture.dimensionLine, picture.extensionLines[0], picture.extensionLines[1]}) {
            nearest = std::min(nearest, DistanceToSegment(point, line.a, line.b));
        }
        return nearest;
    }
    }
    return INFINITY;
}

std::optional<std::size_t> NearestEntity(const std::vector<Entity>& entities, const Point3& point,
                                         double tolerance) {
    std::optional<std::size_t> nearest;
    double best = tolerance;
    for (std::size_t i = 0; i < entities.size(); ++i) {
        const double distance = DistanceToEntity(entities[i], point);
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

} // namespace standin

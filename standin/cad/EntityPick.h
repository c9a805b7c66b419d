#pragma once

#include "cad/Entity.h"

#include <optional>
#include <vector>

namespace standin {

// The half width of the pick box, in pixels: PICKBOX of a new drawing.
inline constexpr double kPickBoxPixels = 3;
// The pick box of a scripted pick (--picks), in drawing units, as if the
// drawing were shown at two pixels to a unit.
inline constexpr double kScriptedPickTolerance = kPickBoxPixels / 2;

// What an entsel got: an entity under the point, a point on nothing, Enter,
// or escape.
struct PickAnswer {
    enum class Kind { Entity, Missed, Enter, Cancel } kind = Kind::Cancel;
    Point3 point;
    std::int32_t entity = 0; // the entity's number
};

// A text's box on the drawing: from its start on the baseline `width` along
// its rotation and `height` up. Widths are estimated: 0.7 of the height for a
// character of the Latin ranges, the full height for a wide one.
struct TextBox {
    Point3 corner;
    double width = 0, height = 0, angle = 0; // angle in degrees
};
[[nodiscard]] double TextWidth(TextView text, double height);
// The boxes of a TEXT, of an MTEXT (one box for all its lines, placed by its
// attachment point) and of a dimension's text.
[[nodiscard]] std::optional<TextBox> EntityTextBox(const Entity& entity);

// A line of text as the drawing shows it: from `start` on its baseline.
struct PlacedText {
    Point3 start;
    double height = 0, rotation = 0; // rotation in degrees
    Text text;
};
// The lines of text an entity shows: a TEXT's, each line of an MTEXT's plain
// text (5/3 of the height apart), a dimension's text; none for the others.
[[nodiscard]] std::vector<PlacedText> PlacedTexts(const Entity& entity);

// How far a point is from what the entity shows: 0 inside a text's box.
[[nodiscard]] double DistanceToEntity(const Entity& entity, const Point3& point);

// The index of the entity nearest to the point within the pick box's half
// width, or nullopt when none is that near; of two at the same distance the
// one added later, which is drawn over the other.
[[nodiscard]] std::optional<std::size_t> NearestEntity(const std::vector<Entity>& entities,
                                                       const Point3& point, double tolerance);

} // namespace standin

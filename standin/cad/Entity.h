#pragma once

#include "lisp/Value.h"

#include <cstdint>

#include <optional>
#include <vector>

namespace standin {

using vr::Text;
using vr::TextView;

struct Point3 {
    double x = 0, y = 0, z = 0;
    friend bool operator==(const Point3&, const Point3&) = default;
};

enum class EntityType { Point, Line, SingleLineText, Dimension, MText };

struct Entity {
    EntityType type = EntityType::Point;
    Point3 start;        // group 10 (DIMENSION: the definition point on the dimension line)
    Point3 end;          // group 11 (LINE; DIMENSION: the middle of its text)
    double height = 0;   // group 40 (TEXT, MTEXT)
    double rotation = 0; // group 50, degrees (TEXT, MTEXT; DIMENSION: of a rotated one)
    Text text;           // group 1 (TEXT, MTEXT with its groups 3; DIMENSION: the override)
    Text layer = u"0";   // group 8
    // DIMENSION
    Point3 extension1, extension2;  // groups 13 and 14
    std::int32_t dimensionType = 0; // group 70 without its flags: 0 rotated, 1 aligned
    std::int32_t dimensionFlags = 32;
    double measurement = 0;   // group 42, computed from the points
    Text style = u"Standard"; // group 3
    // MTEXT
    std::int32_t attachment = 1; // group 71: 1 top left ... 9 bottom right
    // The number its entity name holds, given when it is added: 1 for the
    // first entity of the drawing.
    std::int32_t number = 0;
};

[[nodiscard]] TextView EntityTypeName(EntityType type);

// A point from a list of two or three numbers; nullopt otherwise.
[[nodiscard]] std::optional<Point3> PointFromList(const lisp::ValuePtr& list);

// Checks an entity definition list as entmake does: a proper list of groups
// beginning with (0 . "TYPE") of a known type, with the groups the type
// requires (POINT: 10; LINE: 10 and 11; TEXT: 10, 40 and 1; MTEXT: 10 and 1;
// DIMENSION: 10, 13 and 14 of a linear one, type 0 or 1), each of the right
// kind. nullopt for anything else. A dimension's measurement is computed
// from its points: the group 42 of a definition is read-only and ignored.
[[nodiscard]] std::optional<Entity> EntityFromDefinition(const lisp::ValuePtr& definition);

} // namespace standin

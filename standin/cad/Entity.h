#pragma once

#include "lisp/Value.h"

#include <optional>
#include <vector>

namespace standin {

using vr::Text;
using vr::TextView;

struct Point3 {
    double x = 0, y = 0, z = 0;
    friend bool operator==(const Point3&, const Point3&) = default;
};

enum class EntityType { Point, Line, SingleLineText };

struct Entity {
    EntityType type = EntityType::Point;
    Point3 start;        // group 10
    Point3 end;          // group 11 (LINE)
    double height = 0;   // group 40 (TEXT)
    double rotation = 0; // group 50, degrees (TEXT)
    Text text;           // group 1 (TEXT)
    Text layer = u"0";   // group 8
};

[[nodiscard]] TextView EntityTypeName(EntityType type);

// A point from a list of two or three numbers; nullopt otherwise.
[[nodiscard]] std::optional<Point3> PointFromList(const lisp::ValuePtr& list);

// Checks an entity definition list as entmake does: a proper list of groups
// beginning with (0 . "TYPE") of a known type, with the groups the type
// requires (POINT: 10; LINE: 10 and 11; TEXT: 10, 40 and 1), each of the
// right kind. nullopt for anything else.
[[nodiscard]] std::optional<Entity> EntityFromDefinition(const lisp::ValuePtr& definition);

} // namespace standin

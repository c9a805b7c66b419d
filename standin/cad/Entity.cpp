#include "cad/Entity.h"

#include "cad/DimensionGeometry.h"

#include <numbers>

namespace standin {

using lisp::Kind;
using lisp::ValuePtr;

TextView EntityTypeName(EntityType type) {
    switch (type) {
    case EntityType::Point:
        return u"POINT";
    case EntityType::Line:
        return u"LINE";
    case EntityType::SingleLineText:
        return u"TEXT";
    case EntityType::Dimension:
        return u"DIMENSION";
    case EntityType::MText:
        return u"MTEXT";
    }
    return u"";
}

std::optional<Point3> PointFromList(const ValuePtr& list) {
    if (!list || list->kind != Kind::Cons) {
        return std::nullopt;
    }
    const auto items = lisp::ListItems(list);
    if (items.size() < 2 || items.size() > 3) {
        return std::nullopt;
    }
    for (const auto& item : items) {
        if (!lisp::IsNumber(item)) {
            return std::nullopt;
        }
    }
    // A dotted tail is not a point.
    ValuePtr last = list;
    while (last->cdr) {
        if (last->cdr->kind != Kind::Cons) {
            return std::nullopt;
        }
        last = last->cdr;
    }
    return Point3{lisp::NumberOf(items[0]), lisp::NumberOf(items[1]),
                  items.size() == 3 ? lisp::NumberOf(items[2]) : 0.0};
}

namespace {

std::optional<EntityType> TypeNamed(TextView name) {
    for (const EntityType type : {EntityType::Point, EntityType::Line, EntityType::SingleLineText,
                                  EntityType::Dimension, EntityType::MText}) {
        if (EntityTypeName(type) == name) {
            return type;
        }
    }
    return std::nullopt;
}

bool IsString(const ValuePtr& value) {
    return value && value->kind == Kind::String;
}

bool IsInteger(const ValuePtr& value) {
    return value && value->kind == Kind::Integer;
}

// The groups of a definition as entmake reads them, before the type's
// required groups are checked.
struct Groups {
    Entity entity;
    bool has10 = false, has11 = false, has13 = false, has14 = false, has40 = false, has1 = false;
    Text chunks; // the groups 3 of an MTEXT, in order
};

bool ReadGroup(int code, const ValuePtr& value, Groups& read) {
    Entity& entity = read.entity;
    const bool dimension = entity.type == EntityType::Dimension;
    switch (code) {
    case 10:
    case 11:
    case 13:
    case 14: {
        const auto point = PointFromList(value);
        if (!point) {
            return false;
        }
        if (code == 10) {
            entity.start = *point, read.has10 = true;
        } else if (code == 11) {
            entity.end = *point, read.has11 = true;
        } else if (code == 13) {
            entity.extension1 = *point, read.has13 = true;
        } else {
            entity.extension2 = *point, read.has14 = true;
        }
        return true;
    }
    case 40:
    case 42:
    case 50:
        if (!lisp::IsNumber(value)) {
            return false;
        }
        if (code == 40) {
            entity.height = lisp::NumberOf(value);
            read.has40 = true;
        } else if (code == 50) {
            entity.rotation = lisp::NumberOf(value) * 180.0 / std::numbers::pi;
        }
        return true; // 42 is read-only: the measurement is computed
    case 70:
    case 71:
        if (!IsInteger(value)) {
            return false;
        }
        if (code == 70 && dimension) {
            entity.dimensionType = value->integer & 31;
            entity.dimensionFlags = (value->integer & ~31) | 32;
        } else if (code == 71 && entity.type == EntityType::MText) {
            if (value->integer < 1 || value->integer > 9) {
                return false;
            }
            entity.attachment = value->integer;
        }
        return true;
    case 1:
    case 3:
    case 8:
        if (!IsString(value)) {
            return false;
        }
        if (code == 1) {
            entity.text = value->text;
            read.has1 = true;
        } else if (code == 8) {
            entity.layer = value->text;
        } else if (dimension) {
            entity.style = value->text;
        } else if (entity.type == EntityType::MText) {
            read.chunks += value->text;
        }
        return true;
    default:
        return true; // other groups are accepted and ignored
    }
}

} // namespace

std::optional<Entity> EntityFromDefinition(const ValuePtr& definition) {
    if (!definition || definition->kind != Kind::Cons) {
        return std::nullopt;
    }
    const auto groups = lisp::ListItems(definition);
    Groups read;
    Entity& entity = read.entity;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const ValuePtr& group = groups[i];
        if (!group || group->kind != Kind::Cons || !IsInteger(group->car)) {
            return std::nullopt;
        }
        const int code = group->car->integer;
        const ValuePtr& value = group->cdr;
        if (i == 0) {
            const auto type = code == 0 && IsString(value) ? TypeNamed(value->text) : std::nullopt;
            if (!type) {
                return std::nullopt;
            }
            entity.type = *type;
            if (entity.type == EntityType::MText) {
                entity.height = 2.5; // TEXTSIZE of a new drawing
            }
            continue;
        }
        if (!ReadGroup(code, value, read)) {
            return std::nullopt;
        }
    }
    if (groups.empty() || !read.has10) {
        return std::nullopt;
    }
    switch (entity.type) {
    case EntityType::Point:
        return entity;
    case EntityType::Line:
        return read.has11 ? std::optional<Entity>(entity) : std::nullopt;
    case EntityType::SingleLineText:
        return read.has40 && read.has1 ? std::optional<Entity>(entity) : std::nullopt;
    case EntityType::MText:
        if (!read.has1 || entity.height <= 0) {
            return std::nullopt;
        }
        entity.text = read.chunks + entity.text;
        return entity;
    case EntityType::Dimension:
        if (!read.has13 || !read.has14 || entity.dimensionType > 1) {
            return std::nullopt;
        }
        entity.measurement = DimensionMeasurement(entity);
        if (!read.has11) {
            entity.end = DimensionLineMiddle(entity);
        }
        return entity;
    }
    return std::nullopt;
}

} // namespace standin

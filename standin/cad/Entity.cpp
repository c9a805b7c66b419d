#include "cad/Entity.h"

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

std::optional<Entity> EntityFromDefinition(const ValuePtr& definition) {
    if (!definition || definition->kind != Kind::Cons) {
        return std::nullopt;
    }
    const auto groups = lisp::ListItems(definition);
    Entity entity;
    bool typed = false, has10 = false, has11 = false, has40 = false, has1 = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const ValuePtr& group = groups[i];
        if (!group || group->kind != Kind::Cons || !group->car ||
            group->car->kind != Kind::Integer) {
            return std::nullopt;
        }
        const int code = group->car->integer;
        const ValuePtr& value = group->cdr;
        if (i == 0) {
            if (code != 0 || !value || value->kind != Kind::String) {
                return std::nullopt;
            }
            if (value->text == u"POINT") {
                entity.type = EntityType::Point;
            } else if (value->text == u"LINE") {
                entity.type = EntityType::Line;
            } else if (value->text == u"TEXT") {
                entity.type = EntityType::SingleLineText;
            } else {
                return std::nullopt;
            }
            typed = true;
            continue;
        }
        switch (code) {
        case 10:
        case 11: {
            const auto point = PointFromList(value);
            if (!point) {
                return std::nullopt;
            }
            (code == 10 ? entity.start : entity.end) = *point;
            (code == 10 ? has10 : has11) = true;
            break;
        }
        case 40:
        case 50:
            if (!lisp::IsNumber(value)) {
                return std::nullopt;
            }
            if (code == 40) {
                entity.height = lisp::NumberOf(value);
                has40 = true;
            } else {
                entity.rotation = lisp::NumberOf(value) * 180.0 / std::numbers::pi;
            }
            break;
        case 1:
        case 8:
            if (!value || value->kind != Kind::String) {
                return std::nullopt;
            }
            (code == 1 ? entity.text : entity.layer) = value->text;
            has1 = has1 || code == 1;
            break;
        default:
            break; // other groups are accepted and ignored
        }
    }
    if (!typed || !has10) {
        return std::nullopt;
    }
    if (entity.type == EntityType::Line && !has11) {
        return std::nullopt;
    }
    if (entity.type == EntityType::SingleLineText && (!has40 || !has1)) {
        return std::nullopt;
    }
    return entity;
}

} // namespace standin

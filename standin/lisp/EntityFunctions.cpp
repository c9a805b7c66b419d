// Entity names: entlast, entnext, entget and entsel.
#include "lisp/ArgumentChecks.h"

#include <numbers>

namespace standin::lisp {
namespace {

using namespace arguments;

// ERRNO values that entsel sets.
constexpr std::int32_t kPickFailed = 7;    // Object selection: pick failed
constexpr std::int32_t kNullResponse = 52; // Entity selection: null response

ValuePtr PointValue(const Point3& point) {
    return MakeList({MakeReal(point.x), MakeReal(point.y), MakeReal(point.z)});
}

ValuePtr Group(std::int32_t code, ValuePtr value) {
    return MakeCons(MakeInteger(code), std::move(value));
}

ValuePtr PointGroup(std::int32_t code, const Point3& point) {
    return MakeCons(MakeInteger(code), PointValue(point));
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The entity an entity name names, or nullptr when it names none of the
// drawing's.
const Entity* Named(Interpreter& lisp, const ValuePtr& name) {
    if (!name || name->kind != Kind::Ename) {
        BadType(u"lentityp", name);
    }
    const std::vector<Entity>& entities = lisp.Host().DrawingEntities();
    if (name->integer < 1 || static_cast<std::size_t>(name->integer) > entities.size()) {
        return nullptr;
    }
    return &entities[static_cast<std::size_t>(name->integer) - 1];
}

// The groups of an MTEXT's text: 250-character chunks in groups 3, the rest
// in group 1.
void TextGroups(std::vector<ValuePtr>& groups, const Text& text) {
    std::size_t at = 0;
    for (; text.size() - at >= 250; at += 250) {
        groups.push_back(Group(3, MakeString(text.substr(at, 250))));
    }
    groups.push_back(Group(1, MakeString(text.substr(at))));
}

// entget's list: the name, the type, the layer, then the groups of the type
// in the order the CAD gives them.
ValuePtr EntityList(const Entity& e) {
    std::vector<ValuePtr> groups = {
        Group(-1, MakeEname(e.number)),
        Group(0, MakeString(Text(EntityTypeName(e.type)))),
        Group(8, MakeString(e.layer)),
    };
    switch (e.type) {
    case EntityType::Point:
        groups.push_back(PointGroup(10, e.start));
        break;
    case EntityType::Line:
        groups.push_back(PointGroup(10, e.start));
        groups.push_back(PointGroup(11, e.end));
        break;
    case EntityType::SingleLineText:
        groups.push_back(PointGroup(10, e.start));
        groups.push_back(Group(40, MakeReal(e.height)));
        groups.push_back(Group(1, MakeString(e.text)));
        groups.push_back(Group(50, MakeReal(Radians(e.rotation))));
        groups.push_back(Group(7, MakeString(u"Standard")));
        break;
    case EntityType::MText:
        groups.push_back(PointGroup(10, e.start));
        groups.push_back(Group(40, MakeReal(e.height)));
        groups.push_back(Group(71, MakeInteger(e.attachment)));
        TextGroups(groups, e.text);
        groups.push_back(Group(7, MakeString(u"Standard")));
        groups.push_back(Group(50, MakeReal(Radians(e.rotation))));
        break;
    case EntityType::Dimension:
        groups.push_back(PointGroup(10, e.start));
        groups.push_back(PointGroup(11, e.end));
        groups.push_back(Group(70, MakeInteger(e.dimensionType | e.dimensionFlags)));
        groups.push_back(Group(1, MakeString(e.text)));
        groups.push_back(Group(42, MakeReal(e.measurement)));
        groups.push_back(Group(3, MakeString(e.style)));
        groups.push_back(PointGroup(13, e.extension1));
        groups.push_back(PointGroup(14, e.extension2));
        groups.push_back(Group(50, MakeReal(e.dimensionType == 0 ? Radians(e.rotation) : 0.0)));
        break;
    }
    return MakeList(groups);
}

ValuePtr EntityNameOrNil(Interpreter& lisp, std::size_t number) {
    const std::size_t count = lisp.Host().DrawingEntities().size();
    return number >= 1 && number <= count ? MakeEname(static_cast<std::int32_t>(number)) : nullptr;
}

} // namespace

void DefineEntityFunctions(Interpreter& lisp) {
    lisp.Define(u"entlast", [](Interpreter& l, const Args& a) {
        Count(a, 0, 0);
        return EntityNameOrNil(l, l.Host().DrawingEntities().size());
    });
    // (entnext [ename]): the first entity, or the one after ename; nil after
    // the last.
    lisp.Define(u"entnext", [](Interpreter& l, const Args& a) {
        Count(a, 0, 1);
        if (a.empty() || !a[0]) {
            return EntityNameOrNil(l, 1);
        }
        if (!Named(l, a[0])) {
            return ValuePtr();
        }
        return EntityNameOrNil(l, static_cast<std::size_t>(a[0]->integer) + 1);
    });
    lisp.Define(u"entget", [](Interpreter& l, const Args& a) {
        Count(a, 1, 2);
        const Entity* entity = Named(l, a[0]);
        if (!entity) {
            return ValuePtr();
        }
        l.Charge(16 + entity->text.size() / 250);
        return EntityList(*entity);
    });
    // (entsel [prompt]): (ename point) for a pick on an entity; nil with
    // ERRNO 7 for a pick on nothing and 52 for Enter; escape cancels.
    lisp.Define(u"entsel", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 0, 1);
        Text prompt = u"\nSelect object: ";
        if (!a.empty()) {
            l.Charge(String(a[0]).size());
            prompt = a[0]->text;
        }
        const PickAnswer answer = l.Host().PickEntity(prompt);
        switch (answer.kind) {
        case PickAnswer::Kind::Entity:
            return MakeList({MakeEname(answer.entity), PointValue(answer.point)});
        case PickAnswer::Kind::Missed:
            l.SetSystemVariable(u"ERRNO", MakeInteger(kPickFailed));
            return nullptr;
        case PickAnswer::Kind::Enter:
            l.SetSystemVariable(u"ERRNO", MakeInteger(kNullResponse));
            return nullptr;
        case PickAnswer::Kind::Cancel:
            break;
        }
        Interpreter::Fail(u"Function cancelled");
    });
}

} // namespace standin::lisp

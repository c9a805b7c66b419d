// Lists: walking, searching and applying functions to them.
#include "lisp/ArgumentChecks.h"

#include <algorithm>

namespace standin::lisp {
namespace {

using namespace arguments;

// What mapcar and apply call: a function, a symbol naming one, or a quoted
// lambda list, which the CAD accepts as the function it describes.
ValuePtr Callable(Interpreter& lisp, const ValuePtr& value, Text& name) {
    name = PrincText(value);
    if (value && value->kind == Kind::Symbol) {
        return lisp.Get(value->text);
    }
    if (value && value->kind == Kind::Cons && IsSymbol(value->car, u"LAMBDA")) {
        return lisp.Eval(value);
    }
    if (value && (value->kind == Kind::Subr || value->kind == Kind::Function)) {
        return value;
    }
    Interpreter::Fail(u"bad function: " + Prin1Text(value));
}

bool EqualCharged(Interpreter& lisp, const ValuePtr& a, const ValuePtr& b) {
    std::size_t compared = 0;
    const bool equal = Equal(a, b, compared);
    lisp.Charge(compared + 1);
    return equal;
}

} // namespace

void DefineListFunctions(Interpreter& lisp) {
    lisp.Define(u"reverse", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        std::vector<ValuePtr> items = ChargedItems(l, a[0]);
        std::reverse(items.begin(), items.end());
        return MakeList(items);
    });
    lisp.Define(u"last", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        const std::vector<ValuePtr> items = ChargedItems(l, a[0]);
        return items.empty() ? nullptr : items.back();
    });
    // (member expr list): the rest of the list from the first item equal to
    // expr, or nil.
    lisp.Define(u"member", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 2, 2);
        for (ValuePtr cell = List(a[1]); cell && cell->kind == Kind::Cons; cell = cell->cdr) {
            if (EqualCharged(l, cell->car, a[0])) {
                return cell;
            }
        }
        return nullptr;
    });
    lisp.Define(u"listp", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return IsList(a[0]) ? True() : nullptr;
    });
    lisp.Define(u"atom", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return a[0] && a[0]->kind == Kind::Cons ? nullptr : True();
    });
    lisp.Define(u"vl-position", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 2, 2);
        std::int32_t index = 0;
        for (const ValuePtr& item : ListItems(List(a[1]))) {
            if (EqualCharged(l, item, a[0])) {
                return MakeInteger(index);
            }
            ++index;
        }
        return nullptr;
    });
    lisp.Define(u"vl-remove", [](Interpreter& l, const Args& a) {
        Count(a, 2, 2);
        std::vector<ValuePtr> kept;
        for (const ValuePtr& item : ListItems(List(a[1]))) {
            if (!EqualCharged(l, item, a[0])) {
                kept.push_back(item);
            }
        }
        return MakeList(kept);
    });
    // (mapcar function list...): the function applied to the first items of
    // the lists, then the second ones, as far as the shortest list goes.
    lisp.Define(u"mapcar", [](Interpreter& l, const Args& a) {
        Count(a, 2, SIZE_MAX);
        Text name;
        const ValuePtr function = Callable(l, a[0], name);
        std::vector<std::vector<ValuePtr>> lists;
        std::size_t shortest = SIZE_MAX;
        for (std::size_t i = 1; i < a.size(); ++i) {
            lists.push_back(ChargedItems(l, a[i]));
            shortest = std::min(shortest, lists.back().size());
        }
        std::vector<ValuePtr> results;
        for (std::size_t i = 0; i < shortest; ++i) {
            std::vector<ValuePtr> arguments;
            for (const auto& list : lists) {
                arguments.push_back(list[i]);
            }
            l.Charge(arguments.size());
            results.push_back(l.Apply(function, arguments, name));
        }
        return MakeList(results);
    });
    lisp.Define(u"apply", [](Interpreter& l, const Args& a) {
        Count(a, 2, 2);
        Text name;
        const ValuePtr function = Callable(l, a[0], name);
        return l.Apply(function, ChargedItems(l, a[1]), name);
    });
}

} // namespace standin::lisp

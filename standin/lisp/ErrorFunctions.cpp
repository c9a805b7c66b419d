// exit, quit and the vl-catch-all functions, as the CAD's AutoLISP has them.
#include "lisp/ArgumentChecks.h"
#include "lisp/Interpreter.h"

namespace standin::lisp {
namespace {

using Args = std::vector<ValuePtr>;
using arguments::Count;

} // namespace

void DefineErrorFunctions(Interpreter& lisp) {
    // (exit) and (quit) end the application with the error the CAD words
    // so; *error* receives it like any other.
    for (const TextView name : {u"exit", u"quit"}) {
        lisp.Define(name, [](Interpreter&, const Args& a) -> ValuePtr {
            Count(a, 0, 0);
            Interpreter::Fail(u"quit / exit abort");
        });
    }
    lisp.Define(u"vl-catch-all-apply", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 2, 2);
        ValuePtr function = a[0];
        Text name = PrincText(a[0]);
        if (function && function->kind == Kind::Symbol) {
            function = l.Get(function->text);
        }
        if (!IsList(a[1])) {
            Interpreter::Fail(u"bad argument type: listp " + Prin1Text(a[1]));
        }
        const Args items = ListItems(a[1]);
        l.Charge(items.size());
        return l.ApplyCatchingAll(function, items, name);
    });
    lisp.Define(u"vl-catch-all-error-p", [](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        return a[0] && a[0]->kind == Kind::CatchAllError ? True() : nullptr;
    });
    lisp.Define(u"vl-catch-all-error-message", [](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        if (!a[0] || a[0]->kind != Kind::CatchAllError) {
            Interpreter::Fail(u"bad argument type: vl-catch-all-apply-error: " + Prin1Text(a[0]));
        }
        return MakeString(a[0]->text);
    });
}

} // namespace standin::lisp

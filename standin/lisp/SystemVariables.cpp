// getvar and setvar over the few system variables the routines read.
#include "lisp/ArgumentChecks.h"

#include "text/AsciiCase.h"

namespace standin::lisp {
namespace {

using namespace arguments;

// The integer variables this CAD keeps and the values each accepts.
struct IntegerVariable {
    TextView name;
    std::int32_t least, most;
};
constexpr IntegerVariable kIntegerVariables[] = {
    {u"ERRNO", 0, 2147483647}, {u"DIMZIN", 0, 15},  {u"LUNITS", 1, 5},
    {u"LUPREC", 0, 8},         {u"PICKBOX", 0, 50}, {u"CMDECHO", 0, 1},
};

const IntegerVariable* FindVariable(TextView name) {
    for (const IntegerVariable& variable : kIntegerVariables) {
        if (variable.name == name) {
            return &variable;
        }
    }
    return nullptr;
}

} // namespace

void DefineSystemVariables(Interpreter& lisp) {
    // Unknown names give nil, as the CAD's getvar does.
    lisp.Define(u"getvar", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        l.Charge(String(a[0]).size());
        return l.SystemVariable(vr::AsciiUpper(a[0]->text));
    });
    lisp.Define(u"setvar", [](Interpreter& l, const Args& a) {
        Count(a, 2, 2);
        l.Charge(String(a[0]).size());
        const Text name = vr::AsciiUpper(a[0]->text);
        const IntegerVariable* variable = FindVariable(name);
        if (!variable) {
            Interpreter::Fail(u"AutoCAD variable setting rejected: " + Prin1Text(a[0]) + u" " +
                              Prin1Text(a[1]));
        }
        if (!a[1] || a[1]->kind != Kind::Integer || a[1]->integer < variable->least ||
            a[1]->integer > variable->most) {
            Interpreter::Fail(u"AutoCAD variable setting rejected: " + Prin1Text(a[0]) + u" " +
                              Prin1Text(a[1]));
        }
        l.SetSystemVariable(name, a[1]);
        return a[1];
    });
}

} // namespace standin::lisp

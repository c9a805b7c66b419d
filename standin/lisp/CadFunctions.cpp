// The CAD's own functions that the tools' files and the CAD-side routines use.
#include "lisp/Interpreter.h"
#include "text/AsciiCase.h"

#include <cmath>

namespace standin::lisp {
namespace {

using Args = std::vector<ValuePtr>;

ValuePtr PointValue(const Point3& point) {
    return MakeList({MakeReal(point.x), MakeReal(point.y), MakeReal(point.z)});
}

std::optional<double> NumericInput(const ValuePtr& value) {
    if (IsNumber(value)) {
        return NumberOf(value);
    }
    if (value && value->kind == Kind::String) {
        const std::string ascii(value->text.begin(), value->text.end());
        char* end = nullptr;
        const double number = std::strtod(ascii.c_str(), &end);
        if (!ascii.empty() && end == ascii.c_str() + ascii.size()) {
            return number;
        }
    }
    return std::nullopt;
}

// The CAD's functions look into their arguments: the characters of a
// string, the cells of a list and of the lists in it (an entity's groups, a
// point's coordinates). That work is charged against the step bound.
void ChargeArguments(Interpreter& lisp, const Args& args) {
    std::size_t work = 0;
    for (const ValuePtr& arg : args) {
        if (!arg) {
            continue;
        }
        if (arg->kind == Kind::String) {
            work += arg->text.size();
        }
        for (const Value* cell = arg.get(); cell && cell->kind == Kind::Cons;
             cell = cell->cdr.get()) {
            ++work;
            for (const Value* inner = cell->car.get(); inner && inner->kind == Kind::Cons;
                 inner = inner->cdr.get()) {
                ++work;
            }
        }
    }
    lisp.Charge(work);
}

// Printed text shown on the command line, its length charged.
void ChargedPrint(Interpreter& lisp, const Text& text) {
    lisp.Charge(text.size());
    lisp.Host().Print(text);
}

bool IsCommandName(const ValuePtr& value, TextView name) {
    if (!value || value->kind != Kind::String) {
        return false;
    }
    Text upper = vr::AsciiUpper(value->text);
    while (!upper.empty() && (upper[0] == u'_' || upper[0] == u'.')) {
        upper.erase(0, 1);
    }
    return upper == name;
}

// The TEXT command with its answers: start point, height, rotation in
// degrees, the text. Anything else cancels the command with a message.
void TextCommand(Interpreter& lisp, const Args& a) {
    if (a.size() != 5) {
        Interpreter::Fail(a.size() < 5 ? u"TEXT: incomplete input, command cancelled"
                                       : u"TEXT: too many answers, command cancelled");
    }
    const std::optional<Point3> start = PointFromList(a[1]);
    const std::optional<double> height = NumericInput(a[2]);
    const std::optional<double> angle = NumericInput(a[3]);
    if (!start) {
        Interpreter::Fail(u"TEXT: invalid start point " + Prin1Text(a[1]));
    }
    if (!height || *height <= 0) {
        Interpreter::Fail(u"TEXT: invalid height " + Prin1Text(a[2]));
    }
    if (!angle) {
        Interpreter::Fail(u"TEXT: invalid rotation angle " + Prin1Text(a[3]));
    }
    if (!a[4] || a[4]->kind != Kind::String) {
        Interpreter::Fail(u"TEXT: invalid text " + Prin1Text(a[4]));
    }
    Entity text;
    text.type = EntityType::SingleLineText;
    text.start = *start;
    text.height = *height;
    text.rotation = *angle;
    text.text = a[4]->text;
    lisp.Host().AddEntity(text);
}

} // namespace

void DefineCadFunctions(Interpreter& lisp) {
    lisp.Define(u"entmake", [](Interpreter& l, const Args& a) -> ValuePtr {
        ChargeArguments(l, a);
        if (a.size() > 1) {
            Interpreter::Fail(u"too many arguments");
        }
        const ValuePtr definition = a.empty() ? nullptr : a[0];
        const std::optional<Entity> entity = EntityFromDefinition(definition);
        if (!entity) {
            return nullptr;
        }
        l.Host().AddEntity(*entity);
        return definition; // entmake returns the definition it was given
    });
    lisp.Define(u"command", [](Interpreter& l, const Args& a) -> ValuePtr {
        ChargeArguments(l, a);
        if (a.empty()) {
            return nullptr;
        }
        if (IsCommandName(a[0], u"TEXT")) {
            TextCommand(l, a);
            return nullptr;
        }
        ChargedPrint(l, u"\nUnknown command \"" + PrincText(a[0]) + u"\".\n");
        return nullptr;
    });
    lisp.Define(u"getpoint", [](Interpreter& l, const Args& a) -> ValuePtr {
        ChargeArguments(l, a);
        if (a.size() > 2) {
            Interpreter::Fail(u"too many arguments");
        }
        Text prompt;
        for (const auto& arg : a) {
            if (arg && arg->kind == Kind::String) {
                prompt = arg->text;
            } else if (!PointFromList(arg)) {
                Interpreter::Fail(u"bad argument type: point: " + Prin1Text(arg));
            }
        }
        const std::optional<Point3> point = l.Host().GetPoint(prompt);
        if (!point) {
            Interpreter::Fail(u"Function cancelled");
        }
        return PointValue(*point);
    });
    lisp.Define(u"princ", [](Interpreter& l, const Args& a) -> ValuePtr {
        if (a.empty()) {
            return MakeSymbol(u""); // the null symbol: prints nothing
        }
        ChargedPrint(l, PrincText(a[0]));
        return a[0];
    });
    lisp.Define(u"prin1", [](Interpreter& l, const Args& a) -> ValuePtr {
        if (a.empty()) {
            return MakeSymbol(u"");
        }
        ChargedPrint(l, Prin1Text(a[0]));
        return a[0];
    });
    lisp.Define(u"print", [](Interpreter& l, const Args& a) -> ValuePtr {
        const ValuePtr value = a.empty() ? nullptr : a[0];
        Text line = u"\n";
        line += Prin1Text(value);
        line += u' ';
        ChargedPrint(l, line);
        return value;
    });
    lisp.Define(u"terpri", [](Interpreter& l, const Args&) -> ValuePtr {
        l.Host().Print(u"\n");
        return nullptr;
    });
    lisp.Define(u"load", [](Interpreter& l, const Args& a) -> ValuePtr {
        ChargeArguments(l, a);
        if (a.empty()) {
            Interpreter::Fail(u"too few arguments");
        }
        if (a.size() > 2) {
            Interpreter::Fail(u"too many arguments");
        }
        if (!a[0] || a[0]->kind != Kind::String) {
            Interpreter::Fail(u"bad argument type: stringp " + Prin1Text(a[0]));
        }
        return l.Load(a[0]->text, a.size() == 2 ? a[1] : nullptr, a.size() == 2);
    });
    lisp.Define(u"findfile", [](Interpreter& l, const Args& a) -> ValuePtr {
        ChargeArguments(l, a);
        if (a.size() != 1) {
            Interpreter::Fail(a.empty() ? u"too few arguments" : u"too many arguments");
        }
        if (!a[0] || a[0]->kind != Kind::String) {
            Interpreter::Fail(u"bad argument type: stringp " + Prin1Text(a[0]));
        }
        const std::optional<Text> path = l.Host().FindFile(a[0]->text);
        return path ? MakeString(*path) : nullptr;
    });
}

} // namespace standin::lisp

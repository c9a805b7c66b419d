// Numbers: reading them out of text and writing them as text, and the
// arithmetic beyond + - * /.
#include "lisp/ArgumentChecks.h"
#include "lisp/NumberText.h"

#include <algorithm>
#include <cmath>

namespace standin::lisp {
namespace {

using namespace arguments;

std::int32_t Wrap(long long value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bool AllIntegers(const Args& args) {
    return std::all_of(args.begin(), args.end(),
                       [](const ValuePtr& arg) { return arg && arg->kind == Kind::Integer; });
}

std::int32_t SystemInteger(Interpreter& lisp, TextView name) {
    const ValuePtr value = lisp.SystemVariable(name);
    return value && value->kind == Kind::Integer ? value->integer : 0;
}

// (rtos number [mode [precision]]) in the scientific and decimal modes;
// without them LUNITS and LUPREC, and DIMZIN for the zeros.
ValuePtr Rtos(Interpreter& lisp, const Args& a) {
    Count(a, 1, 3);
    const double value = Number(a[0]);
    const std::int32_t mode = a.size() >= 2 ? Integer(a[1]) : SystemInteger(lisp, u"LUNITS");
    const std::int32_t precision = a.size() == 3 ? Integer(a[2]) : SystemInteger(lisp, u"LUPREC");
    if (mode < 1 || mode > 5) {
        Interpreter::Fail(u"bad argument value: " + Prin1Text(a[1]));
    }
    if (precision < 0) {
        Interpreter::Fail(u"bad argument value: " + Prin1Text(a[2]));
    }
    const int places = std::min(precision, 8); // LUPREC goes up to 8
    if (mode == 1) {
        return MakeString(ScientificText(value, places));
    }
    if (mode != 2) {
        Interpreter::Fail(u"rtos: units mode " + Prin1Text(a[1]) + u" is not available");
    }
    return MakeString(DecimalPlaces(value, places, SystemInteger(lisp, u"DIMZIN")));
}

ValuePtr Extreme(const Args& a, bool greatest) {
    if (a.empty()) {
        return MakeInteger(0);
    }
    double best = Number(a[0]);
    for (const ValuePtr& arg : a) {
        const double x = Number(arg);
        best = greatest ? std::max(best, x) : std::min(best, x);
    }
    return AllIntegers(a) ? MakeInteger(static_cast<std::int32_t>(best)) : MakeReal(best);
}

ValuePtr Remainder(const Args& a) {
    if (a.empty()) {
        return MakeInteger(0);
    }
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (Number(a[i]) == 0) {
            Interpreter::Fail(u"divide by zero");
        }
    }
    if (AllIntegers(a)) {
        long long result = a[0]->integer;
        for (std::size_t i = 1; i < a.size(); ++i) {
            result = a[i]->integer == -1 ? 0 : result % a[i]->integer;
        }
        return MakeInteger(Wrap(result));
    }
    double result = Number(a[0]);
    for (std::size_t i = 1; i < a.size(); ++i) {
        result = std::fmod(result, NumberOf(a[i]));
    }
    return MakeReal(result);
}

// Integer powers wrap at 32 bits as the CAD's integers do; a negative power
// of an integer other than 1 and -1 is 0.
ValuePtr Power(const Args& a) {
    Count(a, 2, 2);
    const double base = Number(a[0]);
    const double exponent = Number(a[1]);
    if (!AllIntegers(a)) {
        return MakeReal(std::pow(base, exponent));
    }
    long long b = a[0]->integer;
    long long e = a[1]->integer;
    if (e < 0) {
        if (b == 0) {
            Interpreter::Fail(u"divide by zero");
        }
        return MakeInteger(b == 1 ? 1 : (b == -1 ? (e % 2 == 0 ? 1 : -1) : 0));
    }
    std::int32_t result = 1;
    std::int32_t square = Wrap(b);
    while (e > 0) {
        if (e & 1) {
            result = Wrap(static_cast<long long>(result) * square);
        }
        square = Wrap(static_cast<long long>(square) * square);
        e >>= 1;
    }
    return MakeInteger(result);
}

TextView TypeName(const ValuePtr& value) {
    switch (value->kind) {
    case Kind::Integer:
        return u"INT";
    case Kind::Real:
        return u"REAL";
    case Kind::String:
        return u"STR";
    case Kind::Symbol:
        return u"SYM";
    case Kind::Cons:
        return u"LIST";
    case Kind::Subr:
        return u"SUBR";
    case Kind::Function:
        return u"USUBR";
    case Kind::Ename:
        return u"ENAME";
    case Kind::VlaObject:
        return u"VLA-OBJECT";
    case Kind::Variant:
        return u"VARIANT";
    case Kind::File:
        return u"FILE";
    case Kind::CatchAllError:
        return u"VL-CATCH-ALL-APPLY-ERROR";
    }
    return u"";
}

} // namespace

void DefineNumberFunctions(Interpreter& lisp) {
    lisp.Define(u"rtos", Rtos);
    lisp.Define(u"atof", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        l.Charge(String(a[0]).size());
        return MakeReal(LeadingReal(a[0]->text));
    });
    lisp.Define(u"atoi", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        l.Charge(String(a[0]).size());
        return MakeInteger(LeadingInteger(a[0]->text));
    });
    // (distof string [mode]): nil unless the whole string is a distance.
    lisp.Define(u"distof", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 2);
        l.Charge(String(a[0]).size());
        const std::int32_t mode = a.size() == 2 ? Integer(a[1]) : SystemInteger(l, u"LUNITS");
        if (mode < 1 || mode > 5) {
            Interpreter::Fail(u"bad argument value: " + Prin1Text(a[1]));
        }
        const std::optional<double> distance = DecimalDistance(a[0]->text);
        return distance ? MakeReal(*distance) : nullptr;
    });
    lisp.Define(u"numberp", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return IsNumber(a[0]) ? True() : nullptr;
    });
    lisp.Define(u"type", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return a[0] ? MakeSymbol(TypeName(a[0])) : nullptr;
    });
    // fix truncates towards zero; beyond the 32-bit integers the truncated
    // number stays a real.
    lisp.Define(u"fix", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const double truncated = std::trunc(Number(a[0]));
        if (truncated >= -2147483648.0 && truncated <= 2147483647.0) {
            return MakeInteger(static_cast<std::int32_t>(truncated));
        }
        return MakeReal(truncated);
    });
    lisp.Define(u"float", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return MakeReal(Number(a[0]));
    });
    lisp.Define(u"abs", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const double x = Number(a[0]);
        return a[0]->kind == Kind::Integer ? MakeInteger(Wrap(std::llabs(a[0]->integer)))
                                           : MakeReal(std::fabs(x));
    });
    lisp.Define(u"rem", [](Interpreter&, const Args& a) { return Remainder(a); });
    lisp.Define(u"min", [](Interpreter&, const Args& a) { return Extreme(a, false); });
    lisp.Define(u"max", [](Interpreter&, const Args& a) { return Extreme(a, true); });
    lisp.Define(u"1+", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const double x = Number(a[0]);
        return a[0]->kind == Kind::Integer ? MakeInteger(Wrap(a[0]->integer + 1LL))
                                           : MakeReal(x + 1);
    });
    lisp.Define(u"1-", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const double x = Number(a[0]);
        return a[0]->kind == Kind::Integer ? MakeInteger(Wrap(a[0]->integer - 1LL))
                                           : MakeReal(x - 1);
    });
    lisp.Define(u"zerop", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return Number(a[0]) == 0 ? True() : nullptr;
    });
    lisp.Define(u"minusp", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return Number(a[0]) < 0 ? True() : nullptr;
    });
    lisp.Define(u"expt", [](Interpreter&, const Args& a) { return Power(a); });
    lisp.Define(u"sqrt", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const double x = Number(a[0]);
        if (x < 0) {
            Interpreter::Fail(u"function undefined for argument: " + Prin1Text(a[0]));
        }
        return MakeReal(std::sqrt(x));
    });
}

} // namespace standin::lisp

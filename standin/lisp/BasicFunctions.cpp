// Numbers, lists and strings.
#include "lisp/ArgumentChecks.h"
#include "lisp/Interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace standin::lisp {
namespace {

using Args = std::vector<ValuePtr>;
using arguments::Count;

[[noreturn]] void BadType(TextView expected, const ValuePtr& value) {
    Interpreter::Fail(u"bad argument type: " + Text(expected) + u" " + Prin1Text(value));
}

double Number(const ValuePtr& value) {
    if (!IsNumber(value)) {
        BadType(u"numberp:", value);
    }
    return NumberOf(value);
}

const Text& String(const ValuePtr& value) {
    if (!value || value->kind != Kind::String) {
        BadType(u"stringp", value);
    }
    return value->text;
}

std::int32_t Integer(const ValuePtr& value) {
    if (!value || value->kind != Kind::Integer) {
        BadType(u"fixnump:", value);
    }
    return value->integer;
}

bool AllIntegers(const Args& args) {
    for (const auto& arg : args) {
        if (!arg || arg->kind != Kind::Integer) {
            return false;
        }
    }
    return true;
}

// Integer arithmetic wraps at 32 bits, as the CAD's does.
std::int32_t Wrap(long long value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

template <typename IntOp, typename RealOp>
ValuePtr Arithmetic(const Args& args, std::int32_t identity, IntOp intOp, RealOp realOp) {
    if (args.empty()) {
        return MakeInteger(identity);
    }
    for (const auto& arg : args) {
        (void)Number(arg);
    }
    if (AllIntegers(args)) {
        long long result = args[0]->integer;
        for (std::size_t i = 1; i < args.size(); ++i) {
            result = Wrap(intOp(result, args[i]->integer));
        }
        return MakeInteger(Wrap(result));
    }
    double result = NumberOf(args[0]);
    for (std::size_t i = 1; i < args.size(); ++i) {
        result = realOp(result, NumberOf(args[i]));
    }
    return MakeReal(result);
}

template <typename Compare>
ValuePtr Comparison(Interpreter& lisp, const Args& args, Compare compare) {
    Count(args, 1, SIZE_MAX);
    for (std::size_t i = 1; i < args.size(); ++i) {
        const ValuePtr& a = args[i - 1];
        const ValuePtr& b = args[i];
        int order = 0;
        if (a && b && a->kind == Kind::String && b->kind == Kind::String) {
            lisp.Charge(std::min(a->text.size(), b->text.size()));
            order = a->text.compare(b->text);
        } else {
            const double x = Number(a), y = Number(b);
            order = x < y ? -1 : (x > y ? 1 : 0);
        }
        if (!compare(order)) {
            return nullptr;
        }
    }
    return True();
}

Text Ascii(const std::string& text) {
    return Text(text.begin(), text.end());
}

// The item at index, walking only as far as it: the walk is charged.
ValuePtr Nth(Interpreter& lisp, const ValuePtr& list, std::size_t index) {
    const Value* cell = list.get();
    std::size_t walked = 0;
    for (; cell && cell->kind == Kind::Cons && walked < index; ++walked) {
        cell = cell->cdr.get();
    }
    lisp.Charge(walked);
    return cell && cell->kind == Kind::Cons ? cell->car : nullptr;
}

// The items of a list argument, their number charged.
std::vector<ValuePtr> ChargedItems(Interpreter& lisp, const ValuePtr& list) {
    std::vector<ValuePtr> items = ListItems(list);
    lisp.Charge(items.size());
    return items;
}

ValuePtr ListArg(const ValuePtr& value) {
    if (!IsList(value)) {
        BadType(u"listp", value);
    }
    return value;
}

} // namespace

void DefineBasicFunctions(Interpreter& lisp) {
    lisp.Define(u"+", [](Interpreter&, const Args& a) {
        return Arithmetic(
            a, 0, [](long long x, long long y) { return x + y; },
            [](double x, double y) { return x + y; });
    });
    lisp.Define(u"*", [](Interpreter&, const Args& a) {
        return Arithmetic(
            a, 1, [](long long x, long long y) { return x * y; },
            [](double x, double y) { return x * y; });
    });
    lisp.Define(u"-", [](Interpreter&, const Args& a) {
        if (a.size() == 1) {
            return a[0] && a[0]->kind == Kind::Integer
                       ? MakeInteger(Wrap(-(long long)a[0]->integer))
                       : MakeReal(-Number(a[0]));
        }
        return Arithmetic(
            a, 0, [](long long x, long long y) { return x - y; },
            [](double x, double y) { return x - y; });
    });
    lisp.Define(u"/", [](Interpreter&, const Args& a) {
        for (std::size_t i = 1; i < a.size(); ++i) {
            if (Number(a[i]) == 0) {
                Interpreter::Fail(u"divide by zero");
            }
        }
        return Arithmetic(
            a, 0, [](long long x, long long y) { return x / y; },
            [](double x, double y) { return x / y; });
    });
    lisp.Define(u"=", [](Interpreter& l, const Args& a) {
        return Comparison(l, a, [](int o) { return o == 0; });
    });
    lisp.Define(u"/=", [](Interpreter& l, const Args& a) {
        return Comparison(l, a, [](int o) { return o != 0; });
    });
    lisp.Define(u"<", [](Interpreter& l, const Args& a) {
        return Comparison(l, a, [](int o) { return o < 0; });
    });
    lisp.Define(u">", [](Interpreter& l, const Args& a) {
        return Comparison(l, a, [](int o) { return o > 0; });
    });
    lisp.Define(u"<=", [](Interpreter& l, const Args& a) {
        return Comparison(l, a, [](int o) { return o <= 0; });
    });
    lisp.Define(u">=", [](Interpreter& l, const Args& a) {
        return Comparison(l, a, [](int o) { return o >= 0; });
    });
    lisp.Define(u"not", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return a[0] ? nullptr : True();
    });
    lisp.Define(u"null", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return a[0] ? nullptr : True();
    });
    lisp.Define(u"boundp", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        if (!a[0] || a[0]->kind != Kind::Symbol) {
            BadType(u"symbolp", a[0]);
        }
        return l.Get(a[0]->text) ? True() : nullptr;
    });
    lisp.Define(u"eq", [](Interpreter&, const Args& a) {
        Count(a, 2, 2);
        const bool same = a[0] == a[1] ||
                          (a[0] && a[1] && a[0]->kind == Kind::Symbol &&
                           a[1]->kind == Kind::Symbol && a[0]->text == a[1]->text) ||
                          (IsNumber(a[0]) && IsNumber(a[1]) && a[0]->kind == a[1]->kind &&
                           NumberOf(a[0]) == NumberOf(a[1])) ||
                          (a[0] && a[1] && a[0]->kind == Kind::Ename && a[1]->kind == Kind::Ename &&
                           a[0]->integer == a[1]->integer) ||
                          (a[0] && a[1] && a[0]->kind == a[1]->kind && a[0]->foreign &&
                           a[0]->foreign == a[1]->foreign);
        return same ? True() : nullptr;
    });
    lisp.Define(u"equal", [](Interpreter& l, const Args& a) {
        Count(a, 2, 3);
        std::size_t compared = 0;
        const bool equal = Equal(a[0], a[1], compared);
        l.Charge(compared);
        return equal ? True() : nullptr;
    });
    lisp.Define(u"list", [](Interpreter&, const Args& a) { return MakeList(a); });
    lisp.Define(u"cons", [](Interpreter&, const Args& a) {
        Count(a, 2, 2);
        return MakeCons(a[0], a[1]);
    });
    lisp.Define(u"car", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return ListArg(a[0]) ? a[0]->car : nullptr;
    });
    lisp.Define(u"cdr", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return ListArg(a[0]) ? a[0]->cdr : nullptr;
    });
    lisp.Define(u"cadr", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        return Nth(l, ListArg(a[0]), 1);
    });
    lisp.Define(u"caddr", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        return Nth(l, ListArg(a[0]), 2);
    });
    lisp.Define(u"nth", [](Interpreter& l, const Args& a) {
        Count(a, 2, 2);
        const std::int32_t index = Integer(a[0]);
        return index < 0 ? nullptr : Nth(l, ListArg(a[1]), static_cast<std::size_t>(index));
    });
    lisp.Define(u"length", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        return MakeInteger(static_cast<std::int32_t>(ChargedItems(l, ListArg(a[0])).size()));
    });
    lisp.Define(u"append", [](Interpreter& l, const Args& a) {
        std::vector<ValuePtr> items;
        for (const auto& list : a) {
            for (const auto& item : ChargedItems(l, ListArg(list))) {
                items.push_back(item);
            }
        }
        return MakeList(items);
    });
    lisp.Define(u"assoc", [](Interpreter& l, const Args& a) {
        Count(a, 2, 2);
        for (const auto& entry : ListItems(ListArg(a[1]))) {
            l.Charge(1);
            std::size_t compared = 0;
            if (entry && entry->kind == Kind::Cons && Equal(entry->car, a[0], compared)) {
                l.Charge(compared);
                return entry;
            }
            l.Charge(compared);
        }
        return ValuePtr();
    });
    lisp.Define(u"strcat", [](Interpreter& l, const Args& a) {
        std::size_t length = 0;
        for (const auto& part : a) {
            length += String(part).size();
        }
        l.Charge(length);
        Text text;
        text.reserve(length);
        for (const auto& part : a) {
            text += part->text;
        }
        return MakeString(std::move(text));
    });
    lisp.Define(u"strlen", [](Interpreter&, const Args& a) {
        std::size_t length = 0;
        for (const auto& part : a) {
            length += String(part).size();
        }
        return MakeInteger(static_cast<std::int32_t>(length));
    });
    lisp.Define(u"substr", [](Interpreter& l, const Args& a) {
        Count(a, 2, 3);
        const Text& text = String(a[0]);
        const std::int32_t start = Integer(a[1]);
        if (start < 1) {
            Interpreter::Fail(u"bad argument value: positive " + Prin1Text(a[1]));
        }
        const std::size_t from =
            std::min<std::size_t>(static_cast<std::size_t>(start - 1), text.size());
        std::size_t count = Text::npos;
        if (a.size() == 3) {
            const std::int32_t length = Integer(a[2]);
            if (length < 0) {
                Interpreter::Fail(u"bad argument value: non-negative " + Prin1Text(a[2]));
            }
            count = static_cast<std::size_t>(length);
        }
        Text part = text.substr(from, count);
        l.Charge(part.size());
        return MakeString(std::move(part));
    });
    lisp.Define(u"itoa", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        return MakeString(Ascii(std::to_string(Integer(a[0]))));
    });
}

} // namespace standin::lisp

#include "lisp/Value.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace standin::lisp {
namespace {

Text Ascii(const std::string& text) {
    return Text(text.begin(), text.end());
}

Text Upper(TextView name) {
    Text upper(name);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return upper;
}

Text RealText(double value) {
    // As the CAD prints reals by default: up to six significant digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text = buffer;
    if (text.find_first_of(".e") == std::string::npos && std::isfinite(value)) {
        text += ".0";
    }
    return Ascii(text);
}

Text Quoted(const Text& text) {
    Text out = u"\"";
    for (const char16_t c : text) {
        switch (c) {
        case u'"':
            out += u"\\\"";
            break;
        case u'\\':
            out += u"\\\\";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        case u'\x1b':
            out += u"\\e";
            break;
        default:
            out.push_back(c);
        }
    }
    out.push_back(u'"');
    return out;
}

Text Printed(const ValuePtr& value, bool quoteStrings) {
    if (!value) {
        return u"nil";
    }
    switch (value->kind) {
    case Kind::Integer:
        return Ascii(std::to_string(value->integer));
    case Kind::Real:
        return RealText(value->real);
    case Kind::String:
        return quoteStrings ? Quoted(value->text) : value->text;
    case Kind::Symbol:
        return value->text;
    case Kind::Subr:
        return u"<Subr>";
    case Kind::Function:
        return u"<USUBR>";
    case Kind::Cons: {
        Text out = u"(";
        ValuePtr cell = value;
        bool first = true;
        while (cell && cell->kind == Kind::Cons) {
            if (!first) {
                out.push_back(u' ');
            }
            out += Printed(cell->car, quoteStrings);
            first = false;
            cell = cell->cdr;
        }
        if (cell) {
            out += u" . ";
            out += Printed(cell, quoteStrings);
        }
        out.push_back(u')');
        return out;
    }
    }
    return u"";
}

} // namespace

ValuePtr MakeInteger(std::int32_t value) {
    return std::make_shared<const Value>(Value{Kind::Integer, value, 0, {}, {}, {}, {}, {}});
}

ValuePtr MakeReal(double value) {
    return std::make_shared<const Value>(Value{Kind::Real, 0, value, {}, {}, {}, {}, {}});
}

ValuePtr MakeString(Text text) {
    return std::make_shared<const Value>(
        Value{Kind::String, 0, 0, std::move(text), {}, {}, {}, {}});
}

ValuePtr MakeSymbol(TextView name) {
    const Text upper = Upper(name);
    if (upper == u"NIL") {
        return nullptr;
    }
    return std::make_shared<const Value>(Value{Kind::Symbol, 0, 0, upper, {}, {}, {}, {}});
}

ValuePtr MakeCons(ValuePtr car, ValuePtr cdr) {
    return std::make_shared<const Value>(
        Value{Kind::Cons, 0, 0, {}, std::move(car), std::move(cdr), {}, {}});
}

ValuePtr MakeSubr(Builtin builtin) {
    return std::make_shared<const Value>(
        Value{Kind::Subr, 0, 0, {}, {}, {}, std::move(builtin), {}});
}

ValuePtr MakeList(const std::vector<ValuePtr>& items) {
    ValuePtr list;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        list = MakeCons(*it, list);
    }
    return list;
}

ValuePtr True() {
    return MakeSymbol(u"T");
}

bool IsSymbol(const ValuePtr& value, TextView upperName) {
    return value && value->kind == Kind::Symbol && value->text == upperName;
}

bool IsNumber(const ValuePtr& value) {
    return value && (value->kind == Kind::Integer || value->kind == Kind::Real);
}

double NumberOf(const ValuePtr& value) {
    return value->kind == Kind::Integer ? value->integer : value->real;
}

bool IsList(const ValuePtr& value) {
    return !value || value->kind == Kind::Cons;
}

std::vector<ValuePtr> ListItems(const ValuePtr& list) {
    std::vector<ValuePtr> items;
    for (ValuePtr cell = list; cell && cell->kind == Kind::Cons; cell = cell->cdr) {
        items.push_back(cell->car);
    }
    return items;
}

Text PrincText(const ValuePtr& value) {
    return Printed(value, false);
}

Text Prin1Text(const ValuePtr& value) {
    return Printed(value, true);
}

bool Equal(const ValuePtr& a, const ValuePtr& b) {
    if (!a || !b) {
        return !a && !b;
    }
    if (IsNumber(a) && IsNumber(b)) {
        return NumberOf(a) == NumberOf(b);
    }
    if (a->kind != b->kind) {
        return false;
    }
    switch (a->kind) {
    case Kind::String:
    case Kind::Symbol:
        return a->text == b->text;
    case Kind::Cons:
        return Equal(a->car, b->car) && Equal(a->cdr, b->cdr);
    default:
        return a == b;
    }
}

} // namespace standin::lisp
